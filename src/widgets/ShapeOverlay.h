#pragma once

#include <QColor>
#include <QWidget>

namespace zantor {

// A rectangle outline drawn above a picture, never into it: copies from the picture and saved
// files never contain it. It lets the mouse through to the picture below.
class ShapeOverlay : public QWidget {
public:
    ShapeOverlay(QWidget* surface, const QString& name, QSize size, QColor colour);

    int Left() const { return x(); }
    int Top() const { return y(); }
    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

}  // namespace zantor
