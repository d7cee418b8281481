#pragma once

#include <QRect>

class QMouseEvent;
class QPainter;

namespace zantor {

// Something a level view draws over the level and that may take the left button's presses
// before the editing tools do (the screens' edges and markers). The view paints its layers
// under its own overlay and asks them, in the order added, after that overlay.
class ViewLayer {
public:
    virtual ~ViewLayer() = default;

    virtual bool isShown() const = 0;
    // The painter is set to viewport pixels.
    virtual void paint(QPainter& painter, const QRect& exposed) = 0;
    // True when the layer took the event.
    virtual bool press(QMouseEvent* event) = 0;
    virtual bool move(QMouseEvent* event) = 0;
    virtual bool release(QMouseEvent* event) = 0;
};

}  // namespace zantor
