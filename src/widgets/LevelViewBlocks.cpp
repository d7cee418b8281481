// The level view after a block's picture changed: only the visible cells that show it are
// painted again. A pencil move on a tile changes a few blocks, and repainting the whole
// viewport cost more than everything else the move does.
#include <QRegion>
#include <bitset>
#include <cmath>

#include "LevelView.h"
#include "document/LevelDocument.h"

namespace zantor {

namespace {
constexpr int kCell = 16;  // level pixels a cell
}

void LevelView::repaintBlocks(const QList<int>& blocks) {
    if (blocks.size() >= kBlockCount) {
        viewport()->update();
        return;
    }
    std::bitset<kBlockCount> changed;
    for (int b : blocks)
        changed.set(size_t(b & 0x7F));
    const QPointF from = levelPoint(QPoint(0, 0));
    const QPointF to = levelPoint(QPoint(viewport()->width(), viewport()->height()));
    const QRect visible =
        QRect(QPoint(int(std::floor(from.x() / kCell)), int(std::floor(from.y() / kCell))),
              QPoint(int(std::floor(to.x() / kCell)), int(std::floor(to.y() / kCell)))) &
        QRect(0, 0, kMapColumns, kMapRows);
    // Runs of changed cells row by row; past a few dozen the bounding rectangle is cheaper
    // than the region's bookkeeping.
    constexpr int kMostRuns = 32;
    QRegion region;
    QRect bounds;
    int runs = 0;
    const MapCells& cells = document_->cells();
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const uint8_t* row = &cells[size_t(y * kMapColumns)];
        for (int x = visible.left(); x <= visible.right(); ++x) {
            if (!changed[row[x] & 0x7F])
                continue;
            const int start = x;
            while (x + 1 <= visible.right() && changed[row[x + 1] & 0x7F])
                ++x;
            const QRect run(start, y, x - start + 1, 1);
            bounds |= run;
            if (++runs <= kMostRuns)
                region += viewportRectOfCells(run);
        }
    }
    if (runs > kMostRuns)
        viewport()->update(viewportRectOfCells(bounds));
    else if (runs > 0)
        viewport()->update(region);
}

}  // namespace zantor
