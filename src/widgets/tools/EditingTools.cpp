#include "EditingTools.h"

#include <QPainter>

#include "document/CellShapes.h"
#include "document/LevelDocument.h"

namespace zantor {

namespace {
const QColor kOutlineColour(255, 255, 255);
const QColor kOutlineShadow(0, 0, 0);

// A frame that shows on light and dark blocks alike.
void drawFrame(QPainter& painter, const QRect& viewportRect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutlineShadow, 1));
    painter.drawRect(viewportRect.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(kOutlineColour, 1, Qt::DashLine));
    painter.drawRect(viewportRect.adjusted(0, 0, -1, -1));
    painter.restore();
}
}  // namespace

// --- Brush ---

QString BrushTool::name() const {
    return QStringLiteral("Brush");
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

// --- Rectangle select ---

QString RectangleSelectTool::name() const {
    return QStringLiteral("Rectangle Select");
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

// --- Bucket fill ---

QString BucketFillTool::name() const {
    return QStringLiteral("Bucket Fill");
}

void BucketFillTool::press(QPoint cell, Qt::KeyboardModifiers modifiers) {
    document_->fillFrom(cell, modifiers & Qt::ShiftModifier);
}

// --- Shape fill ---

QString ShapeFillTool::name() const {
    return QStringLiteral("Shape Fill");
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
