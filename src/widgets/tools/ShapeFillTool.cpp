#include "ShapeFillTool.h"

#include <QCoreApplication>
#include <QPainter>

#include "document/CellShapes.h"
#include "document/LevelDocument.h"

namespace zantor {

QString ShapeFillTool::name() const {
    return QCoreApplication::translate("LevelTool", "Shape Fill");
}

void ShapeFillTool::press(QPoint cell, Qt::KeyboardModifiers modifiers) {
    active_ = true;
    start_ = current_ = cell;
    square_ = modifiers & Qt::ShiftModifier;
}

void ShapeFillTool::drag(QPoint cell, Qt::KeyboardModifiers modifiers) {
    current_ = cell;
    square_ = modifiers & Qt::ShiftModifier;
}

void ShapeFillTool::release(QPoint cell, Qt::KeyboardModifiers modifiers) {
    if (!active_)
        return;
    drag(cell, modifiers);
    active_ = false;
    document_->fillRectangle(shape());
}

QRect ShapeFillTool::shape() const {
    return square_ ? CellShapes::squareBetween(start_, current_)
                   : CellShapes::between(start_, current_);
}

QRect ShapeFillTool::previewCells() const {
    return active_ ? shape() : QRect();
}

void ShapeFillTool::drawPreview(QPainter& painter, const QRect& exposed,
                                const CellsToViewport& toViewport) const {
    if (!active_)
        return;
    const Stamp single(QSize(1, 1), {document_->paintBlock()});
    drawStamp(painter, document_->hasStamp() ? document_->stamp() : single, shape(), true, exposed,
              toViewport);
    drawFrame(painter, toViewport(shape()));
}

}  // namespace zantor
