#pragma once

#include <QImage>

#include "LevelView.h"

namespace zantor {

class ScreensLayer;

// The level view of the Events tab: the same level, with the player's start marker on top and
// the camera's first screen (160 × 144 pixels about the camera's start) framed beside it.
// Dragging the marker with the left button moves the start position (an undo step); a press
// elsewhere paints, as on the map.
class EventsView : public LevelView {
    Q_OBJECT

public:
    EventsView(LevelDocument* document, QWidget* parent = nullptr);

    // Where the marker is drawn, in viewport pixels.
    QRect markerRect() const;
    // Where the camera's start screen is framed, in viewport pixels.
    QRect cameraRect() const;
    // The screens' edges, exits and markers, always shown here.
    ScreensLayer* screensLayer() const { return screensLayer_; }

protected:
    void paintOverlay(QPainter& painter, const QRect& exposed) override;
    bool pressOverlay(QMouseEvent* event) override;
    bool moveOverlay(QMouseEvent* event) override;
    bool releaseOverlay(QMouseEvent* event) override;

private:
    QImage marker_;
    ScreensLayer* screensLayer_;
    // While the marker is dragged: where in the marker it was taken (level pixels).
    std::optional<QPointF> grab_;
};

}  // namespace zantor
