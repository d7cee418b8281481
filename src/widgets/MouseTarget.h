#pragma once

#include <QPoint>
#include <QWidget>

#include "MouseEvent.h"

namespace zantor {

// Turns a widget's Qt mouse events into the handlers' (Button, Shift, X, Y) calls and a Click
// (a left press and release over the widget). The press's implicit grab keeps moves and the
// release coming while the pointer is outside. `scale` multiplies the coordinates (15 for a
// control that reports twips).
class MouseTarget {
public:
    MouseHandler MouseDown;
    MouseHandler MouseMove;
    MouseHandler MouseUp;
    std::function<void()> Click;

    void press(QWidget* widget, QMouseEvent* event, int scale = 1);
    void move(QWidget* widget, QMouseEvent* event, int scale = 1);
    void release(QWidget* widget, QMouseEvent* event, int scale = 1);

private:
    static QPoint at(QMouseEvent* event, int scale);
    bool leftPressed_ = false;
};

}  // namespace zantor
