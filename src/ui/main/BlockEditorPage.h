#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QComboBox;

namespace zantor {

class LevelDocument;
class CellGridView;

// The "Block data and tileset" tab: choose a tile in the sheet and a block in the strip, then
// place the tile into the block's quarters (left button, also dragging; the right button takes
// a quarter's tile). Every change shows at once wherever the block is drawn; "Save block"
// writes the block's four bytes.
class BlockEditorPage : public QWidget {
    Q_OBJECT

public:
    BlockEditorPage(LevelDocument* document, QWidget* parent = nullptr);

    CellGridView* tileSheet() const { return sheet_; }
    CellGridView* blockStrip() const { return strip_; }

signals:
    void saveBlockRequested();
    void refreshRequested();
    void editTilesetRequested();

private:
    void setSheetZoom(int factor);
    void updateState();

    LevelDocument* document_;
    CellGridView* sheet_;
    CellGridView* tile_;
    CellGridView* block_;
    CellGridView* strip_;
    QLabel* blockNumber_;
    QPushButton* saveBlock_;
};

}  // namespace zantor
