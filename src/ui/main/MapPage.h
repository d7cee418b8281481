#pragma once

#include <QWidget>

#include "widgets/CoalescedCall.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;

namespace zantor {

class LevelDocument;
class LevelView;
class CellGridView;
class ToolBox;

// The Map tab: the level view, the read-outs of the cell under the pointer, the block palette
// and "Save map". The palette is a grid of the 128 blocks, 16 a row; a press chooses a block,
// a drag over several makes their rectangle the stamp. Its context menu replaces every use of
// a block in the level.
class MapPage : public QWidget {
    Q_OBJECT

public:
    MapPage(LevelDocument* document, QWidget* parent = nullptr);

    LevelView* levelView() const { return levelView_; }
    CellGridView* palette() const { return palette_; }
    ToolBox* toolBox() const { return tools_; }
    // The palette's zoom, 1 to 4 (remembered).
    void setPaletteZoom(int factor);

signals:
    void saveMapRequested();

private:
    void showReadouts();
    void showPaletteLabel();
    void showPaletteMenu(QPoint at);
    void drawPaletteGrid();
    void choosePaletteArea(int from, int to);
    void showChosenBlock();

    LevelDocument* document_;
    LevelView* levelView_;
    CellGridView* palette_;
    QScrollArea* paletteArea_;
    QSplitter* splitter_;
    QComboBox* paletteZoom_;
    ToolBox* tools_;
    // The blocks 16 a row, as the palette shows them.
    QImage paletteGrid_;
    // The palette cell a drag over the palette started from, and the rectangle it chose.
    int paletteAnchor_ = -1;
    QRect paletteChoice_;
    QLabel* cellLabel_;
    QLabel* blockLabel_;
    QLabel* paletteLabel_;
    QPushButton* saveMap_;
    int lastHovered_ = 0;
    CoalescedCall readouts_{this, [this] { showReadouts(); }};
};

}  // namespace zantor
