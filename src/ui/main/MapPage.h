#pragma once

#include <QWidget>

#include "widgets/CoalescedCall.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace zantor {

class LevelDocument;
class LevelView;
class CellGridView;

// The Map tab: the level view, the read-outs of the cell under the pointer, the block palette
// and "Save map". The palette's context menu replaces every use of a block in the level.
class MapPage : public QWidget {
    Q_OBJECT

public:
    MapPage(LevelDocument* document, QWidget* parent = nullptr);

    LevelView* levelView() const { return levelView_; }
    CellGridView* palette() const { return palette_; }

signals:
    void saveMapRequested();

private:
    void showReadouts();
    void showPaletteLabel();
    void showPaletteMenu(QPoint at);

    LevelDocument* document_;
    LevelView* levelView_;
    CellGridView* palette_;
    QScrollArea* paletteArea_;
    QLabel* cellLabel_;
    QLabel* blockLabel_;
    QLabel* paletteLabel_;
    QPushButton* saveMap_;
    int lastHovered_ = 0;
    CoalescedCall readouts_{this, [this] { showReadouts(); }};
};

}  // namespace zantor
