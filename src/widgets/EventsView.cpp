#include "EventsView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "MarkerImage.h"
#include "ScreensLayer.h"
#include "document/LevelDocument.h"
#include "document/LevelScreens.h"
#include "map/MapLoader.h"

namespace zantor {

namespace {
// The marker stays where the game can place it: inside the level.
constexpr int kMaxLeft = kLevelWidth - 16;
constexpr int kMaxTop = kLevelHeight - 32;
}  // namespace

EventsView::EventsView(LevelDocument* document, QWidget* parent)
    : LevelView(document, parent),
      marker_(MarkerImage()),
      screensLayer_(new ScreensLayer(this, document->screens())) {
    screensLayer_->setTakesClicks(true);
    screensLayer_->setDrawsCameraFrame(false);  // drawn below, with the player's marker
    addLayer(screensLayer_);
    connect(document, &LevelDocument::headerChanged, viewport(), [this] { viewport()->update(); });
}

QRect EventsView::markerRect() const {
    const QPoint start = document()->startPosition();
    const QPoint topLeft = viewportPoint(start);
    const QPoint end = viewportPoint(QPointF(start) + QPointF(marker_.width(), marker_.height()));
    return QRect(topLeft, end - QPoint(1, 1));
}

QRect EventsView::cameraRect() const {
    // The game's screen: 160 × 144 pixels, the camera's position at (80, 72) inside it.
    const QPointF centre = document()->cameraPosition();
    const QPoint topLeft = viewportPoint(centre - QPointF(80, 72));
    const QPoint end = viewportPoint(centre + QPointF(80, 72));
    return QRect(topLeft, end - QPoint(1, 1));
}

void EventsView::paintOverlay(QPainter& painter, const QRect&) {
    if (!document()->hasLevel())
        return;
    painter.setBrush(Qt::NoBrush);
    // Two colours, so the frame shows on light and dark palettes alike.
    painter.setPen(QPen(QColor(255, 255, 255), 3));
    painter.drawRect(cameraRect());
    painter.setPen(QPen(QColor(0, 120, 255), 1, Qt::DashLine));
    painter.drawRect(cameraRect());
    painter.drawImage(markerRect(), marker_);
}

bool EventsView::pressOverlay(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !document()->hasLevel() ||
        !markerRect().contains(event->position().toPoint()))
        return false;
    grab_ = levelPoint(event->position().toPoint()) - QPointF(document()->startPosition());
    return true;
}

bool EventsView::moveOverlay(QMouseEvent* event) {
    if (!grab_)
        return false;
    const QPointF at = levelPoint(event->position().toPoint()) - *grab_;
    document()->setStartPosition(QPoint(std::clamp(int(std::lround(at.x())), 0, kMaxLeft),
                                        std::clamp(int(std::lround(at.y())), 0, kMaxTop)));
    return true;
}

bool EventsView::releaseOverlay(QMouseEvent* event) {
    if (!grab_ || event->button() != Qt::LeftButton)
        return false;
    grab_.reset();
    return true;
}

}  // namespace zantor
