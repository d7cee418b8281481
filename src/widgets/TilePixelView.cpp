#include "TilePixelView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

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
    if (picture.size() == QSize(kPixels, kPixels)) {
        // Enlarged by hand, the neighbours dimmed on the way: a scaled, translucent drawing
        // costs Qt's raster engine several times as much (and a thread pool hand-over).
        if (enlarged_.size() != QSize(kPixels * s, kPixels * s))
            enlarged_ = QImage(kPixels * s, kPixels * s, QImage::Format_RGB32);
        const QImage source32 = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < kPixels; ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(source32.constScanLine(y));
            auto* row = reinterpret_cast<QRgb*>(enlarged_.scanLine(y * s));
            for (int x = 0; x < kPixels; ++x) {
                QRgb colour = from[x];
                if (x < 8 || x >= 16 || y < 8 || y >= 16) {
                    // Half way to a blue grey.
                    colour = qRgb((qRed(colour) + 128) / 2, (qGreen(colour) + 128) / 2,
                                  (qBlue(colour) + 160) / 2);
                }
                std::fill(row + x * s, row + (x + 1) * s, colour);
            }
            for (int r = 1; r < s; ++r)
                std::memcpy(enlarged_.scanLine(y * s + r), row, size_t(kPixels * s) * 4);
        }
        // The pixel grid of the middle tile, drawn into the picture: a translucent line pen
        // sends every line through Qt's thread pool.
        auto darken = [](QRgb c) {
            return qRgb(qRed(c) * 3 / 4, qGreen(c) * 3 / 4, qBlue(c) * 3 / 4);
        };
        for (int i = 8; i <= 16; ++i) {
            const int at = std::min(i * s, kPixels * s - 1);
            auto* line = reinterpret_cast<QRgb*>(enlarged_.scanLine(at));
            for (int x = 8 * s; x < 16 * s; ++x)
                line[x] = darken(line[x]);
            for (int y = 8 * s; y < 16 * s; ++y) {
                auto* pixel = reinterpret_cast<QRgb*>(enlarged_.scanLine(y)) + at;
                *pixel = darken(*pixel);
            }
        }
        painter.drawImage(0, 0, enlarged_);
    }
    const QColor frame(220, 40, 40);
    painter.fillRect(QRect(8 * s - 1, 8 * s - 1, 8 * s + 2, 2), frame);
    painter.fillRect(QRect(8 * s - 1, 16 * s - 1, 8 * s + 2, 2), frame);
    painter.fillRect(QRect(8 * s - 1, 8 * s - 1, 2, 8 * s + 2), frame);
    painter.fillRect(QRect(16 * s - 1, 8 * s - 1, 2, 8 * s + 2), frame);
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
