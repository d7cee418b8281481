#include "CellGridView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <cmath>

namespace zantor {

namespace {
const QColor kHoverColour(255, 128, 0);
const QColor kChosenColour(255, 0, 0);
}  // namespace

CellGridView::CellGridView(QSize cellSize, QWidget* parent) : QWidget(parent), cellSize_(cellSize) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QScrollArea* CellGridView::inStripArea(CellGridView* view, const char* areaName,
                                       const char* barName, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(areaName);
    area->setWidget(view);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->horizontalScrollBar()->setObjectName(barName);
    area->setFixedHeight(view->sizeHint().height() +
                         area->horizontalScrollBar()->sizeHint().height() + 2 * area->frameWidth());
    return area;
}

void CellGridView::setZoom(int factor) {
    zoom_ = std::max(1, factor);
    setFixedSize(sizeHint());
    update();
}

QSize CellGridView::pictureSize() const {
    return source ? source().size() : QSize();
}

QSize CellGridView::sizeHint() const {
    return pictureSize() * zoom_;
}

int CellGridView::columns() const {
    return std::max(1, pictureSize().width() / cellSize_.width());
}

void CellGridView::refresh() {
    if (size() != sizeHint())
        setFixedSize(sizeHint());
    update();
}

int CellGridView::cellAt(QPointF point) const {
    const QSize picture = pictureSize();
    const int x = int(std::floor(point.x() / zoom_));
    const int y = int(std::floor(point.y() / zoom_));
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return -1;
    return (y / cellSize_.height()) * columns() + x / cellSize_.width();
}

QRect CellGridView::cellRect(int cell) const {
    const int c = columns();
    return QRect((cell % c) * cellSize_.width() * zoom_, (cell / c) * cellSize_.height() * zoom_,
                 cellSize_.width() * zoom_, cellSize_.height() * zoom_);
}

void CellGridView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (!source)
        return;
    const QImage image = source();
    // Only the exposed part, enlarged pixel for pixel.
    const QRect exposed = event->rect();
    const QRect from(exposed.left() / zoom_, exposed.top() / zoom_, exposed.width() / zoom_ + 2,
                     exposed.height() / zoom_ + 2);
    const QRect clipped = from & image.rect();
    painter.drawImage(QRect(clipped.topLeft() * zoom_, clipped.size() * zoom_), image, clipped);
    painter.setBrush(Qt::NoBrush);
    auto outline = [&](int cell, const QColor& colour) {
        if (cell < 0)
            return;
        painter.setPen(QPen(colour, 1));
        painter.drawRect(cellRect(cell).adjusted(0, 0, -1, -1));
    };
    if (marked) {
        const int cells = columns() * std::max(1, image.height() / cellSize_.height());
        for (int cell = 0; cell < cells; ++cell) {
            const QRect r = cellRect(cell);
            if (r.intersects(exposed) && marked(cell))
                painter.fillRect(QRect(r.topLeft(), QSize(6, 6)), QColor(255, 0, 0));
        }
    }
    outline(hovered_, kHoverColour);
    const QRect area = chosenArea ? chosenArea() : QRect();
    if (area.width() * area.height() > 1) {
        const int c = columns();
        painter.setPen(QPen(kChosenColour, 2));
        painter.drawRect(cellRect(area.top() * c + area.left())
                             .united(cellRect(area.bottom() * c + area.right()))
                             .adjusted(1, 1, -1, -1));
    } else {
        outline(chosen ? chosen() : -1, kChosenColour);
    }
}

bool CellGridView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTipFor) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cellAt(help->pos());
        if (cell >= 0)
            QToolTip::showText(help->globalPos(), toolTipFor(cell), this, cellRect(cell));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CellGridView::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position());
    if (cell >= 0 && pressed)
        pressed(cell, event->button());
}

void CellGridView::mouseMoveEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position());
    if (cell != hovered_) {
        const int previous = hovered_;
        hovered_ = cell;
        update(cellRect(std::max(previous, 0)).adjusted(-1, -1, 1, 1));
        update(cellRect(std::max(cell, 0)).adjusted(-1, -1, 1, 1));
        emit hoveredChanged(cell);
    }
    if (event->buttons() == Qt::NoButton)
        return;
    if (cell >= 0 && dragged)
        dragged(cell, event->buttons());
    else if (cell < 0 && draggedOff)
        draggedOff();
}

void CellGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (released)
        released(event->button());
}

void CellGridView::leaveEvent(QEvent*) {
    if (hovered_ >= 0) {
        hovered_ = -1;
        update();
        emit hoveredChanged(-1);
    }
}

}  // namespace zantor
