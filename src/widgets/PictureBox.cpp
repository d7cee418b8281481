#include "PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace zantor {

// The inner area: paints the picture's exposed part and takes the mouse.
class PictureBox::Surface : public QWidget {
public:
    explicit Surface(PictureBox* owner) : QWidget(owner), owner_(owner) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect exposed = event->rect();
        const QImage& image = owner_->picture_.image();
        const QRect covered = exposed & image.rect();
        if (!covered.isEmpty()) {
            painter.drawImage(covered.topLeft(), image, covered);
        }
        // Beyond the image the box shows its background.
        const QRegion rest = QRegion(exposed) - QRegion(covered);
        for (const QRect& r : rest) {
            painter.fillRect(r, palette().window());
        }
    }
    void mousePressEvent(QMouseEvent* event) override { owner_->mouse.press(this, event); }
    void mouseMoveEvent(QMouseEvent* event) override { owner_->mouse.move(this, event); }
    void mouseReleaseEvent(QMouseEvent* event) override { owner_->mouse.release(this, event); }

private:
    PictureBox* owner_;
};

PictureBox::PictureBox(QWidget* parent, const QString& name, bool border)
    : QFrame(parent), surface_(new Surface(this)) {
    setObjectName(name);
    surface_->setObjectName(name + QStringLiteral("_surface"));
    if (border) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(kBorder);
    } else {
        // The surface covers it all: moving it (scrolling) can then shift the pixels already
        // on screen and repaint only the part that comes into view.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }
}

void PictureBox::setPicture(Picture picture) {
    picture_ = std::move(picture);
    picture_.takeDirty();
    surface_->update();
}

void PictureBox::Refresh() {
    const QRect changed = picture_.takeDirty();
    if (!changed.isEmpty()) {
        surface_->update(changed);
    }
}

QWidget* PictureBox::surface() const {
    return surface_;
}

int PictureBox::innerWidth() const {
    return contentsRect().width();
}
void PictureBox::place(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    surface_->setGeometry(contentsRect());
}

}  // namespace zantor
