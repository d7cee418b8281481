#include "RectangleSelectTool.h"

#include <QCoreApplication>
#include <QPainter>

#include "document/CellShapes.h"
#include "document/LevelDocument.h"

namespace zantor {

QString RectangleSelectTool::name() const {
    return QCoreApplication::translate("LevelTool", "Rectangle Select");
}

void RectangleSelectTool::press(QPoint cell, Qt::KeyboardModifiers modifiers) {
    start_ = current_ = cell;
    before_ = document_->selection();
    if (modifiers & Qt::ShiftModifier)
        mode_ = Mode::Add;
    else if (modifiers & Qt::ControlModifier)
        mode_ = Mode::Subtract;
    else if (before_.contains(cell))
        mode_ = Mode::Move;
    else
        mode_ = Mode::Replace;
    drag(cell, modifiers);
}

void RectangleSelectTool::drag(QPoint cell, Qt::KeyboardModifiers) {
    current_ = cell;
    const QRegion rect(CellShapes::between(start_, current_));
    switch (mode_) {
        case Mode::Replace:
            document_->setSelection(rect);
            break;
        case Mode::Add:
            document_->setSelection(before_ + rect);
            break;
        case Mode::Subtract:
            document_->setSelection(before_ - rect);
            break;
        case Mode::Move:
        case Mode::None:
            break;
    }
}

void RectangleSelectTool::release(QPoint cell, Qt::KeyboardModifiers modifiers) {
    if (mode_ == Mode::None)
        return;
    drag(cell, modifiers);
    if (mode_ == Mode::Move)
        document_->moveSelection(current_ - start_);
    mode_ = Mode::None;
}

QRect RectangleSelectTool::previewCells() const {
    if (mode_ != Mode::Move)
        return {};
    return before_.boundingRect().translated(current_ - start_);
}

void RectangleSelectTool::drawPreview(QPainter& painter, const QRect&,
                                      const CellsToViewport& toViewport) const {
    if (mode_ != Mode::Move)
        return;
    for (const QRect& r : before_.translated(current_ - start_))
        drawFrame(painter, toViewport(r));
}

}  // namespace zantor
