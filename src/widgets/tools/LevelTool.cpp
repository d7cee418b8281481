#include "LevelTool.h"

#include <QPainter>

#include "document/LevelDocument.h"

namespace zantor {

void LevelTool::drawFrame(QPainter& painter, const QRect& viewportRect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.drawRect(viewportRect.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor(255, 255, 255), 1, Qt::DashLine));
    painter.drawRect(viewportRect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void LevelTool::drawStamp(QPainter& painter, const Stamp& stamp, const QRect& area, bool tiled,
                          const QRect& exposed, const CellsToViewport& toViewport) const {
    const QRect visible = area & exposed;
    if (visible.isEmpty() || stamp.isEmpty())
        return;
    const QImage& strip = document_->blockStrip().image();
    painter.save();
    painter.setOpacity(0.5);
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        for (int x = visible.left(); x <= visible.right(); ++x) {
            const int dx = x - area.left(), dy = y - area.top();
            const int block = tiled ? stamp.tiledAt(dx, dy) : stamp.at(dx, dy);
            if (block != Stamp::kHole)
                painter.drawImage(toViewport(QRect(x, y, 1, 1)), strip,
                                  QRect(16 * block, 0, 16, 16));
        }
    }
    painter.restore();
}

}  // namespace zantor
