#include "MouseTarget.h"

#include <cmath>

namespace zantor {

QPoint MouseTarget::at(QMouseEvent* event, int scale) {
    const QPointF p = event->position();
    return QPoint(int(std::floor(p.x())) * scale, int(std::floor(p.y())) * scale);
}

void MouseTarget::press(QWidget*, QMouseEvent* event, int scale) {
    const int button = ButtonCode(event->button());
    if (button == kLeftButton) {
        leftPressed_ = true;
    }
    const QPoint p = at(event, scale);
    if (MouseDown)
        MouseDown(button, ShiftCode(event->modifiers()), p.x(), p.y());
}

void MouseTarget::move(QWidget*, QMouseEvent* event, int scale) {
    const QPoint p = at(event, scale);
    if (MouseMove)
        MouseMove(ButtonCodes(event->buttons()), ShiftCode(event->modifiers()), p.x(), p.y());
}

void MouseTarget::release(QWidget* widget, QMouseEvent* event, int scale) {
    const int button = ButtonCode(event->button());
    const QPoint p = at(event, scale);
    if (MouseUp)
        MouseUp(button, ShiftCode(event->modifiers()), p.x(), p.y());
    if (button == kLeftButton && leftPressed_) {
        leftPressed_ = false;
        if (widget->rect().contains(event->position().toPoint()) && Click)
            Click();
    }
}

}  // namespace zantor
