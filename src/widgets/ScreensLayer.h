#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

#include "ViewLayer.h"
#include "map/ScreenArrays.h"

namespace zantor {

class LevelScreens;
class LevelView;

// The level's 16 × 3 screens over a level view: each closed edge a thick bar on the inside of
// its screen (so the two sides of a boundary show apart), each exit a badge, the checkpoint's
// player and camera as markers, a handle at the camera start's centre, and a shade over what
// the camera never shows. A click near an edge toggles it and a drag from there sets every
// edge of that side it passes over the same way, as one step; the markers and the handle
// drag; a click elsewhere in a screen chooses it (the Exits panel edits its exit), or, while
// a warp target is being picked, hands the screen to whoever asked.
class ScreensLayer : public QObject, public ViewLayer {
    Q_OBJECT

public:
    ScreensLayer(LevelView* view, LevelScreens* screens);

    bool isShown() const override { return shown_; }
    void setShown(bool shown);
    // The camera start's 160 × 144 frame around its handle; off where the view draws its own.
    void setDrawsCameraFrame(bool draws) { drawsCameraFrame_ = draws; }

    // Whether a click that chooses a screen is the layer's alone (the Events tab) or goes on
    // to the editing tool as well (the Map tab).
    void setTakesClicks(bool takes) { takesClicks_ = takes; }

    // The screen a click chose (-1 none).
    int chosenScreen() const { return chosen_; }
    // The next click on a screen goes to `picked` (column, row) instead.
    void pickScreen(std::function<void(int column, int row)> picked);
    bool isPicking() const { return bool(picked_); }

    // Where edge `edge` of `screen` is drawn, in viewport pixels.
    QRect edgeRect(int screen, ScreenEdge edge) const;

    void paint(QPainter& painter, const QRect& exposed) override;
    bool press(QMouseEvent* event) override;
    bool move(QMouseEvent* event) override;
    bool release(QMouseEvent* event) override;

signals:
    void chosenScreenChanged(int screen);

private:
    enum class Handle { None, Edge, CameraStart, CheckpointPlayer, CheckpointCamera, Chosen };
    struct EdgeHit {
        int screen;
        ScreenEdge edge;
    };
    std::optional<EdgeHit> edgeAt(QPoint viewportPoint) const;
    int screenAt(QPoint viewportPoint) const;
    QRect screenRect(int screen) const;
    QRect checkpointPlayerRect() const;
    QRect handleRect(QPoint levelCentre) const;
    void update();

    LevelView* view_;
    LevelScreens* screens_;
    bool shown_ = true;
    bool drawsCameraFrame_ = true;
    bool takesClicks_ = false;
    int chosen_ = -1;
    std::function<void(int, int)> picked_;

    Handle dragging_ = Handle::None;
    ScreenEdge dragEdge_ = EdgeLeft;
    bool dragCloses_ = false;
    QPoint grab_;  // level pixels between the pointer and what it drags
};

}  // namespace zantor
