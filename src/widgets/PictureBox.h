#pragma once

#include <QFrame>

#include "MouseTarget.h"
#include "base/Picture.h"

namespace zantor {

// A picture box: a Picture with a persistent image, shown inside an optional 2-pixel sunken
// border. Child controls (nested pictures, shapes, lines) live on surface(), whose coordinates
// are the picture's pixels. Drawing goes into picture(); Refresh() repaints only what changed.
// A picture inside another one is moved with setLeft/setTop (negative values scroll it).
class PictureBox : public QFrame {
    Q_OBJECT

public:
    static constexpr int kBorder = 2;

    PictureBox(QWidget* parent, const QString& name, bool border);

    Picture& picture() { return picture_; }
    const Picture& picture() const { return picture_; }
    // Replaces the whole image (a new load) and repaints all of it.
    void setPicture(Picture picture);
    // Shows what was drawn since the last refresh.
    void Refresh();

    QWidget* surface() const;
    // The inner area in pixels.
    int innerWidth() const;
    // Outer geometry in pixels within the parent.
    void place(int left, int top, int width, int height);
    int Left() const { return x(); }
    int Top() const { return y(); }
    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }

    MouseTarget mouse;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Surface;
    Surface* surface_;
    Picture picture_;
};

}  // namespace zantor
