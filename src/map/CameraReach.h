#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <array>
#include <cstdint>

#include "ScreenArrays.h"

namespace zantor {

// Where the camera's centre may rest and what the screen then shows. At a closed edge of the
// box holding the centre, the centre's X within its screen stays at or above 0x50 (left) or at
// or below 0xB0 (right), its Y at or above 0x48 (top) or at or below 0xC0 (bottom); the screen
// shows 80 pixels either side in X and 72 in Y.
class CameraReach {
public:
    static constexpr int kHalfWidth = 80;
    static constexpr int kHalfHeight = 72;

    // The centres the camera may take inside screen `screen` (level pixels).
    static QRect restingArea(uint8_t box, int screen);
    // The screens the camera reaches from `start` (clamped into its box first): from a screen
    // it moves on through every open edge, and the box it enters clamps it.
    static std::array<bool, kScreenCount> reachedScreens(
        const std::array<uint8_t, kScreenCount>& boxes, QPoint start);
    // The level pixels some reachable centre shows, and the rest: what the camera never shows.
    static QRegion shown(const std::array<uint8_t, kScreenCount>& boxes, QPoint start);
    static QRegion neverShown(const std::array<uint8_t, kScreenCount>& boxes, QPoint start);
};

}  // namespace zantor
