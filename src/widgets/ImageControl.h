#pragma once

#include <QImage>
#include <QWidget>

#include "MouseTarget.h"

namespace zantor {

// An image control: shows a fixed image inside a picture and takes the mouse itself, with
// X and Y in twips (15 to the pixel), as such controls report them.
class ImageControl : public QWidget {
public:
    static constexpr int kTwipsPerPixel = 15;

    ImageControl(QWidget* surface, const QString& name, QImage image);

    int Left() const { return x(); }
    int Top() const { return y(); }
    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }

    MouseTarget mouse;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { mouse.press(this, event, kTwipsPerPixel); }
    void mouseMoveEvent(QMouseEvent* event) override { mouse.move(this, event, kTwipsPerPixel); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        mouse.release(this, event, kTwipsPerPixel);
    }

private:
    QImage image_;
};

}  // namespace zantor
