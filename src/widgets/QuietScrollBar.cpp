#include "QuietScrollBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

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
    if (change == SliderValueChange && atRest()) {
        const Look now = look();
        if (now == drawn_)
            return;
        if (now.atMinimum == drawn_.atMinimum && now.atMaximum == drawn_.atMaximum) {
            update(drawn_.slider | now.slider);
            return;
        }
    }
    QScrollBar::sliderChange(change);
}

QImage QuietScrollBar::drawn(const QStyleOptionSlider& option, QStyle::SubControls parts) const {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
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
    const Appearance appearance{
        style(),          size(),           drawn_.slider.size(), int(option.state),
        drawn_.atMinimum, drawn_.atMaximum, palette().cacheKey(), devicePixelRatioF()};
    if (!(appearance == cachedFor_)) {
        cachedFor_ = appearance;
        const QStyle::SubControls buttons =
            QStyle::SC_ScrollBarAddLine | QStyle::SC_ScrollBarSubLine;
        const QStyle::SubControls groove = QStyle::SC_All & ~(buttons | QStyle::SC_ScrollBarSlider);
        groove_ = drawn(option, groove);
        // Some styles draw the groove as two pages either side of the slider: then it cannot
        // be drawn once for every slider position.
        QStyleOptionSlider elsewhere = option;
        const bool nearerTheEnd = value() - minimum() > maximum() - value();
        elsewhere.sliderPosition = elsewhere.sliderValue = nearerTheEnd ? minimum() : maximum();
        imagesHold_ = drawn(elsewhere, groove) == groove_;
        slider_ = drawn(option, QStyle::SC_ScrollBarSlider);
        buttons_ = drawn(option, buttons);
        sliderAt_ = drawn_.slider.topLeft();
    }
    if (!imagesHold_) {
        QScrollBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, groove_);
    painter.drawImage(drawn_.slider.topLeft() - sliderAt_, slider_);
    painter.drawImage(0, 0, buttons_);
}

}  // namespace zantor
