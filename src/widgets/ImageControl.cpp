#include "ImageControl.h"

#include <QPainter>

namespace zantor {

ImageControl::ImageControl(QWidget* surface, const QString& name, QImage image)
    : QWidget(surface), image_(std::move(image)) {
    setObjectName(name);
    setMouseTracking(true);
    resize(image_.size());
    show();
}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace zantor
