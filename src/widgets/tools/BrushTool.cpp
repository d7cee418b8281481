#include "BrushTool.h"

#include <QCoreApplication>
#include <QPainter>

#include "document/CellShapes.h"
#include "document/LevelDocument.h"

namespace zantor {

QString BrushTool::name() const {
    return QCoreApplication::translate("LevelTool", "Brush");
}

void BrushTool::press(QPoint cell, Qt::KeyboardModifiers modifiers) {
    active_ = true;
    document_->beginStroke();
    if (!(modifiers & Qt::ShiftModifier) || !last_)
        last_.reset();  // not a line: the stroke starts where it is pressed
    reach(cell);
}

void BrushTool::drag(QPoint cell, Qt::KeyboardModifiers) {
    if (active_)
        reach(cell);
}

void BrushTool::release(QPoint, Qt::KeyboardModifiers) {
    if (!active_)
        return;
    active_ = false;
    document_->endStroke();
}

void BrushTool::reach(QPoint cell) {
    if (document_->hasStamp()) {
        // Placed where the pointer comes to, not on every cell in between: a stamp placed
        // cell by cell would only smear.
        if (cell != last_)
            document_->placeStamp(cell);
    } else {
        // Every cell on the line from the last painted one, so that a quick stroke has no gaps.
        for (QPoint on : CellShapes::line(last_.value_or(cell), cell))
            document_->paint(on);
    }
    last_ = cell;
}

QRect BrushTool::previewCells() const {
    const std::optional<QPoint> at = document_->hoveredCell();
    if (!at || !document_->hasStamp())
        return {};
    return QRect(*at, document_->stamp().size());
}

void BrushTool::drawPreview(QPainter& painter, const QRect& exposed,
                            const CellsToViewport& toViewport) const {
    const QRect area = previewCells();
    if (!area.isEmpty())
        drawStamp(painter, document_->stamp(), area, false, exposed, toViewport);
}

}  // namespace zantor
