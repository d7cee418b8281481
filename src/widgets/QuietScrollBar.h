#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QScrollBar>
#include <QStyle>

class QStyleOptionSlider;

namespace zantor {

// A scroll bar that is cheap to move. Over a level thousands of pixels wide a scroll step moves
// the slider by a pixel at most, and the style's full paint of the bar (gradients, arrows, the
// groove) cost several times the scroll itself. So a value change repaints only when the slider
// shows differently, and at rest the groove, the slider and the arrow buttons are drawn by the
// style once into images that later paints copy.
class QuietScrollBar : public QScrollBar {
public:
    explicit QuietScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Look {
        QRect slider;
        bool atMinimum = false;
        bool atMaximum = false;
        bool operator==(const Look&) const = default;
    };
    // What the style's drawing depends on, besides where the slider is.
    struct Appearance {
        const QStyle* style = nullptr;
        QSize bar;
        QSize slider;
        int state = 0;
        bool atMinimum = false;
        bool atMaximum = false;
        qint64 palette = 0;
        qreal ratio = 1;
        bool ownBackground = false;
        bool operator==(const Appearance&) const = default;
    };
    Look look() const;
    // Hovered or pressed, the bar shows which part is under the pointer: the base class draws
    // that, every time. The images hold the bar at rest.
    bool atRest() const { return !pressed_ && !isSliderDown() && !underMouse(); }
    // The parts of the bar that lie in `area`, drawn by the style.
    QImage drawn(const QStyleOptionSlider& option, QStyle::SubControls parts, const QRect& area,
                 bool onBackground) const;

    bool pressed_ = false;
    Look drawn_;
    Appearance cachedFor_;
    Appearance paintedOnce_;  // the last appearance the style painted without images
    // The groove (on the bar's background when it fills its own), and each part that moves or
    // is drawn over the slider, with the area it was drawn for.
    QImage groove_;
    QImage slider_;
    QImage subLine_;
    QRect subLineArea_;
    QImage addLine_;
    QRect addLineArea_;
    bool imagesHold_ = false;  // the style's groove does not depend on where the slider is
};

}  // namespace zantor
