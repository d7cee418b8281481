#include "QuietScrollBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <cmath>

namespace zantor {

QuietScrollBar::QuietScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

QuietScrollBar::Look QuietScrollBar::look() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return {
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
        value() == minimum(), value() == maximum()};
}

void QuietScrollBar::sliderChange(SliderChange change) {
    // A value change that leaves the slider where it is drawn repaints nothing. (Not the
    // slider's rectangle alone when it moves: styles draw its frame and shadow outside it.)
    if (change == SliderValueChange && atRest() && look() == drawn_)
        return;
    QScrollBar::sliderChange(change);
}

QImage QuietScrollBar::drawn(const QStyleOptionSlider& option, QStyle::SubControls parts,
                             const QRect& area, bool onBackground) const {
    const qreal ratio = devicePixelRatioF();
    // On the bar's own background the image is opaque, and copying it costs no blending.
    QImage image(area.size() * ratio,
                 onBackground ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    if (onBackground) {
        painter.fillRect(QRect(QPoint(), area.size()), palette().brush(backgroundRole()));
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(QRect(QPoint(), area.size()), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.translate(-area.topLeft());
    QStyleOptionSlider only = option;
    only.subControls = parts;
    style()->drawComplexControl(QStyle::CC_ScrollBar, &only, &painter, this);
    return image;
}

void QuietScrollBar::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    QScrollBar::mousePressEvent(event);
}

void QuietScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    pressed_ = false;
    QScrollBar::mouseReleaseEvent(event);
}

void QuietScrollBar::paintEvent(QPaintEvent* event) {
    drawn_ = look();
    if (!atRest()) {
        QScrollBar::paintEvent(event);
        return;
    }
    // What QScrollBar draws when nothing is hovered or pressed.
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    const Appearance appearance{style(),
                                size(),
                                drawn_.slider.size(),
                                int(option.state),
                                drawn_.atMinimum,
                                drawn_.atMaximum,
                                palette().cacheKey(),
                                devicePixelRatioF(),
                                autoFillBackground()};
    // Room around a part for what the style draws beyond its rectangle (frames, shadows).
    constexpr int kMargin = 4;
    auto around = [&](QStyle::SubControl part) {
        return style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, part, this)
            .adjusted(-kMargin, -kMargin, kMargin, kMargin);
    };
    if (!(appearance == cachedFor_)) {
        // The first paint of a new appearance is the style's alone: making the images costs
        // several of its paints, which pays off only once the bar is painted again. (A window's
        // first frame paints each of its bars once.)
        if (!(appearance == paintedOnce_)) {
            paintedOnce_ = appearance;
            QScrollBar::paintEvent(event);
            return;
        }
        cachedFor_ = appearance;
        const QStyle::SubControls groove =
            QStyle::SC_All & ~(QStyle::SC_ScrollBarAddLine | QStyle::SC_ScrollBarSubLine |
                               QStyle::SC_ScrollBarSlider);
        groove_ = drawn(option, groove, rect(), autoFillBackground());
        // Some styles draw the groove as two pages either side of the slider: then it cannot
        // be drawn once for every slider position.
        QStyleOptionSlider elsewhere = option;
        const bool nearerTheEnd = value() - minimum() > maximum() - value();
        elsewhere.sliderPosition = elsewhere.sliderValue = nearerTheEnd ? minimum() : maximum();
        // At a fractional scale a part drawn elsewhere is not the same pixels moved: the
        // style draws there each time.
        const qreal ratio = devicePixelRatioF();
        imagesHold_ = ratio == std::floor(ratio) &&
                      drawn(elsewhere, groove, rect(), autoFillBackground()) == groove_;
        slider_ =
            drawn(option, QStyle::SC_ScrollBarSlider, around(QStyle::SC_ScrollBarSlider), false);
        subLineArea_ = around(QStyle::SC_ScrollBarSubLine);
        subLine_ = drawn(option, QStyle::SC_ScrollBarSubLine, subLineArea_, false);
        addLineArea_ = around(QStyle::SC_ScrollBarAddLine);
        addLine_ = drawn(option, QStyle::SC_ScrollBarAddLine, addLineArea_, false);
    }
    if (!imagesHold_) {
        QScrollBar::paintEvent(event);
        return;
    }
    // The style's order: the groove, the slider, then the arrow buttons over the slider's ends.
    QPainter painter(this);
    painter.drawImage(0, 0, groove_);
    painter.drawImage(around(QStyle::SC_ScrollBarSlider).topLeft(), slider_);
    painter.drawImage(subLineArea_.topLeft(), subLine_);
    painter.drawImage(addLineArea_.topLeft(), addLine_);
}

}  // namespace zantor
