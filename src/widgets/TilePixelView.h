#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

namespace zantor {

// One tile as a large grid of pixels, with a ring of its neighbours on the sheet around it
// (one tile wide, drawn dimmer) so that edges can be matched. The picture (24 × 24: the tile
// at (8, 8)) comes from the owner; presses and drags are handed back as pixels of the middle
// tile (also outside 0..7, for a line drawn past its edge). Keeps no model state.
class TilePixelView : public QWidget {
    Q_OBJECT

public:
    explicit TilePixelView(QWidget* parent = nullptr);

    std::function<QImage()> source;
    // Optional: the colour number written in a pixel of the middle tile (the raw view).
    std::function<std::optional<int>(QPoint pixel)> numberAt;
    std::function<void(QPoint pixel, Qt::MouseButton button)> pressed;
    std::function<void(QPoint pixel)> dragged;
    std::function<void()> released;

    // Screen pixels per tile pixel.
    void setPixelSize(int size);
    int pixelSize() const { return pixelSize_; }
    void refresh() { update(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint pixelAt(QPointF point) const;

    int pixelSize_ = 16;
    QImage enlarged_;  // kept between paints: a pencil move repaints the view
    bool dragging_ = false;
};

}  // namespace zantor
