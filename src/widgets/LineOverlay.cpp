#include "LineOverlay.h"

#include <QPainter>

namespace zantor {

LineOverlay::LineOverlay(QWidget* surface, const QString& name, QColor colour)
    : QWidget(surface), colour_(colour) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    QWidget::setVisible(false);
}

void LineOverlay::setVisible(bool visible) {
    visible_ = visible;
    if (visible)
        refreshLine();
    QWidget::setVisible(visible);
}

void LineOverlay::refreshLine() {
    if (!visible_)
        return;
    const QRect box = QRect(QPoint(X1, Y1), QPoint(X2, Y2)).normalized().adjusted(-1, -1, 1, 1);
    setGeometry(box);
    update();
}

void LineOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour_, 1));
    painter.drawLine(QPoint(X1, Y1) - pos(), QPoint(X2, Y2) - pos());
}

}  // namespace zantor
