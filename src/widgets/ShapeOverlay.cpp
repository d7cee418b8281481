#include "ShapeOverlay.h"

#include <QPainter>

namespace zantor {

ShapeOverlay::ShapeOverlay(QWidget* surface, const QString& name, QSize size, QColor colour)
    : QWidget(surface), colour_(colour) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(size);
    show();
}

void ShapeOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
}

}  // namespace zantor
