#include "ScreensLayer.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "LevelView.h"
#include "document/LevelDocument.h"
#include "document/LevelScreens.h"
#include "map/MapLoader.h"

namespace zantor {

namespace {
// How near an edge (viewport pixels, inside its screen) a press takes it.
constexpr int kEdgeGrab = 12;
// The bars' thickness (viewport pixels).
constexpr int kBar = 6;
constexpr int kHandle = 7;
constexpr ScreenEdge kEdges[] = {EdgeRight, EdgeLeft, EdgeTop, EdgeBottom};
}  // namespace

ScreensLayer::ScreensLayer(LevelView* view, LevelScreens* screens)
    : QObject(view), view_(view), screens_(screens) {
    connect(screens, &LevelScreens::changed, this, &ScreensLayer::update);
}

void ScreensLayer::setShown(bool shown) {
    if (shown != shown_) {
        shown_ = shown;
        update();
    }
}

void ScreensLayer::pickScreen(std::function<void(int, int)> picked) {
    picked_ = std::move(picked);
    view_->viewport()->setCursor(picked_ ? Qt::CrossCursor : Qt::ArrowCursor);
}

void ScreensLayer::update() {
    view_->viewport()->update();
}

QRect ScreensLayer::screenRect(int screen) const {
    const QPoint topLeft(screen % kScreenColumns * kScreenSize,
                         screen / kScreenColumns * kScreenSize);
    return QRect(view_->viewportPoint(topLeft),
                 view_->viewportPoint(topLeft + QPoint(kScreenSize, kScreenSize)) - QPoint(1, 1));
}

QRect ScreensLayer::edgeRect(int screen, ScreenEdge edge) const {
    const QRect r = screenRect(screen);
    switch (edge) {
        case EdgeRight:
            return QRect(r.right() - kBar + 1, r.top(), kBar, r.height());
        case EdgeLeft:
            return QRect(r.left(), r.top(), kBar, r.height());
        case EdgeTop:
            return QRect(r.left(), r.top(), r.width(), kBar);
        case EdgeBottom:
            return QRect(r.left(), r.bottom() - kBar + 1, r.width(), kBar);
    }
    return {};
}

int ScreensLayer::screenAt(QPoint viewportPoint) const {
    const QPointF at = view_->levelPoint(viewportPoint);
    if (at.x() < 0 || at.y() < 0 || at.x() >= kLevelWidth || at.y() >= kLevelHeight)
        return -1;
    return int(at.y()) / kScreenSize * kScreenColumns + int(at.x()) / kScreenSize;
}

std::optional<ScreensLayer::EdgeHit> ScreensLayer::edgeAt(QPoint viewportPoint) const {
    const int screen = screenAt(viewportPoint);
    if (screen < 0)
        return std::nullopt;
    const QRect r = screenRect(screen);
    const int distances[] = {r.right() - viewportPoint.x(), viewportPoint.x() - r.left(),
                             viewportPoint.y() - r.top(), r.bottom() - viewportPoint.y()};
    int nearest = 0;
    for (int k = 1; k < 4; ++k) {
        if (distances[k] < distances[nearest])
            nearest = k;
    }
    if (distances[nearest] >= kEdgeGrab)
        return std::nullopt;
    return EdgeHit{screen, kEdges[nearest]};
}

QRect ScreensLayer::handleRect(QPoint levelCentre) const {
    const QPoint centre = view_->viewportPoint(levelCentre);
    return QRect(centre - QPoint(kHandle, kHandle), QSize(2 * kHandle + 1, 2 * kHandle + 1));
}

QRect ScreensLayer::checkpointPlayerRect() const {
    const QPoint player = screens_->checkpoint().player;
    return QRect(view_->viewportPoint(player),
                 view_->viewportPoint(player + QPoint(16, 32)) - QPoint(1, 1));
}

void ScreensLayer::paint(QPainter& painter, const QRect& exposed) {
    if (!screens_->hasArrays())
        return;
    painter.save();
    // What the camera never shows, shaded.
    const QRegion never = screens_->neverShown();
    for (const QRect& r : never) {
        const QRect shown(view_->viewportPoint(r.topLeft()),
                          view_->viewportPoint(r.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
        if (shown.intersects(exposed))
            painter.fillRect(shown, QColor(0, 0, 0, 110));
    }
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (int screen = 0; screen < kScreenCount; ++screen) {
        const QRect r = screenRect(screen);
        if (!r.adjusted(-kBar, -kBar, kBar, kBar).intersects(exposed))
            continue;
        painter.setPen(QPen(QColor(255, 255, 255, 90), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        const uint8_t box = screens_->box(screen);
        for (ScreenEdge edge : kEdges) {
            if (box & edge)
                painter.fillRect(edgeRect(screen, edge), QColor(230, 40, 40, 200));
        }
        if (screen == chosen_) {
            painter.setPen(QPen(QColor(255, 220, 0), 2));
            painter.drawRect(r.adjusted(kBar, kBar, -kBar, -kBar));
        }
        if (const uint8_t exit = screens_->exit(screen)) {
            const QString text = tr("exit %1").arg(exit);
            const QRect badge = painter.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
            const QRect placed(r.center() - QPoint(badge.width() / 2, badge.height() / 2),
                               badge.size());
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(20, 90, 200, 220));
            painter.drawRoundedRect(placed, 4, 4);
            painter.setPen(Qt::white);
            painter.drawText(placed, Qt::AlignCenter, text);
        }
    }
    // The camera start's centre handle, and the checkpoint's camera and player.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 120, 255), 2));
    const QPoint start = screens_->level()->cameraPosition();
    painter.drawEllipse(handleRect(start));
    if (drawsCameraFrame_) {
        painter.drawRect(QRect(view_->viewportPoint(start - QPoint(80, 72)),
                               view_->viewportPoint(start + QPoint(80, 72)) - QPoint(1, 1)));
    }
    if (screens_->hasCheckpoint()) {
        const QPoint camera = screens_->checkpoint().camera;
        painter.setPen(QPen(QColor(255, 160, 0), 2, Qt::DashLine));
        painter.drawRect(QRect(view_->viewportPoint(camera - QPoint(80, 72)),
                               view_->viewportPoint(camera + QPoint(80, 72)) - QPoint(1, 1)));
        painter.setPen(QPen(QColor(255, 160, 0), 2));
        painter.drawEllipse(handleRect(camera));
        painter.setBrush(QColor(255, 160, 0, 120));
        painter.drawRect(checkpointPlayerRect());
        painter.setPen(Qt::black);
        painter.drawText(checkpointPlayerRect(), Qt::AlignCenter, tr("C"));
    }
    painter.restore();
}

bool ScreensLayer::press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !screens_->hasArrays())
        return false;
    const QPoint at = event->position().toPoint();
    const QPoint level = view_->levelPoint(at).toPoint();
    if (picked_) {
        const int screen = screenAt(at);
        if (screen >= 0) {
            const auto picked = std::exchange(picked_, nullptr);
            view_->viewport()->unsetCursor();
            picked(screen % kScreenColumns, screen / kScreenColumns);
        }
        return true;
    }
    if (screens_->hasCheckpoint() && checkpointPlayerRect().contains(at)) {
        dragging_ = Handle::CheckpointPlayer;
        grab_ = level - screens_->checkpoint().player;
        return true;
    }
    if (screens_->hasCheckpoint() && handleRect(screens_->checkpoint().camera).contains(at)) {
        dragging_ = Handle::CheckpointCamera;
        grab_ = level - screens_->checkpoint().camera;
        return true;
    }
    if (handleRect(screens_->level()->cameraPosition()).contains(at)) {
        dragging_ = Handle::CameraStart;
        grab_ = level - screens_->level()->cameraPosition();
        return true;
    }
    if (const std::optional<EdgeHit> hit = edgeAt(at)) {
        dragging_ = Handle::Edge;
        dragEdge_ = hit->edge;
        dragCloses_ = !(screens_->box(hit->screen) & hit->edge);
        screens_->beginStroke();
        screens_->setEdge(hit->screen, hit->edge, dragCloses_);
        return true;
    }
    const int screen = screenAt(at);
    if (screen != chosen_) {
        chosen_ = screen;
        update();
        emit chosenScreenChanged(screen);
    }
    if (!takesClicks_)
        return false;  // the tool still gets the press
    dragging_ = Handle::Chosen;
    return true;
}

bool ScreensLayer::move(QMouseEvent* event) {
    if (dragging_ == Handle::None)
        return false;
    const QPoint at = event->position().toPoint();
    const QPoint level = view_->levelPoint(at).toPoint() - grab_;
    const QPoint inLevel(std::clamp(level.x(), 0, kLevelWidth - 1),
                         std::clamp(level.y(), 0, kLevelHeight - 1));
    switch (dragging_) {
        case Handle::Edge: {
            const int screen = screenAt(at);
            if (screen >= 0)
                screens_->setEdge(screen, dragEdge_, dragCloses_);
            break;
        }
        case Handle::CameraStart:
            screens_->level()->setCameraPosition(inLevel);
            break;
        case Handle::CheckpointPlayer:
            screens_->setCheckpointPlayer(inLevel);
            break;
        case Handle::CheckpointCamera:
            screens_->setCheckpointCamera(inLevel);
            break;
        case Handle::Chosen:
        case Handle::None:
            break;
    }
    return true;
}

bool ScreensLayer::release(QMouseEvent* event) {
    if (dragging_ == Handle::None || event->button() != Qt::LeftButton)
        return false;
    if (dragging_ == Handle::Edge)
        screens_->endStroke();
    dragging_ = Handle::None;
    return true;
}

}  // namespace zantor
