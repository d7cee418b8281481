#include "TilePixelView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zantor {

namespace {
constexpr int kPixels = 24;  // the tile and a tile of neighbours on each side
}

TilePixelView::TilePixelView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::CrossCursor);
}

void TilePixelView::setPixelSize(int size) {
    pixelSize_ = std::clamp(size, 4, 32);
    updateGeometry();
    update();
}

QSize TilePixelView::sizeHint() const {
    return QSize(kPixels * pixelSize_ + 1, kPixels * pixelSize_ + 1);
}

QPoint TilePixelView::pixelAt(QPointF point) const {
    return QPoint(int(std::floor(point.x() / pixelSize_)) - 8,
                  int(std::floor(point.y() / pixelSize_)) - 8);
}

void TilePixelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int s = pixelSize_;
    const QImage picture = source ? source() : QImage();
    if (!picture.isNull())
        painter.drawImage(QRect(0, 0, kPixels * s, kPixels * s), picture);
    // The neighbours are context, not canvas.
    painter.fillRect(QRect(0, 0, kPixels * s, 8 * s), QColor(128, 128, 160, 110));
    painter.fillRect(QRect(0, 16 * s, kPixels * s, 8 * s), QColor(128, 128, 160, 110));
    painter.fillRect(QRect(0, 8 * s, 8 * s, 8 * s), QColor(128, 128, 160, 110));
    painter.fillRect(QRect(16 * s, 8 * s, 8 * s, 8 * s), QColor(128, 128, 160, 110));
    painter.setPen(QColor(128, 128, 128, 90));
    for (int i = 8; i <= 16; ++i) {
        painter.drawLine(8 * s, i * s, 16 * s, i * s);
        painter.drawLine(i * s, 8 * s, i * s, 16 * s);
    }
    painter.setPen(QPen(QColor(220, 40, 40), 2));
    painter.drawRect(QRect(8 * s, 8 * s, 8 * s, 8 * s));
    if (numberAt) {
        QFont font = painter.font();
        font.setPixelSize(std::max(6, s / 2));
        painter.setFont(font);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const std::optional<int> number = numberAt(QPoint(x, y));
                if (!number)
                    continue;
                const QRect cell((8 + x) * s, (8 + y) * s, s, s);
                // Readable on every grey: the light shades get dark digits.
                painter.setPen(*number < 2 ? Qt::black : Qt::white);
                painter.drawText(cell, Qt::AlignCenter, QString::number(*number));
            }
        }
    }
}

void TilePixelView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    dragging_ = true;
    if (pressed)
        pressed(pixelAt(event->position()), event->button());
}

void TilePixelView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && dragged)
        dragged(pixelAt(event->position()));
}

void TilePixelView::mouseReleaseEvent(QMouseEvent*) {
    if (!dragging_)
        return;
    dragging_ = false;
    if (released)
        released();
}

}  // namespace zantor
