#pragma once

#include <QRect>

namespace zantor {

// The main window's layout rules: from the outer window size in twips to the geometry of
// the controls that follow it (twips, relative to the tab control for the tab's controls).
// Each rule reads what an earlier rule has just set.
struct MainLayout {
    static constexpr int kMinimumHeight = 3935;
    // What the frame adds to the client area: the outer size of the design (7635 × 8555)
    // around its client area (7515 × 7755).
    static constexpr int kFrameWidth = 120;
    static constexpr int kFrameHeight = 800;
    static constexpr int kTwipsPerPixel = 15;

    int outerWidth = 0;
    int outerHeight = 0;  // raised to kMinimumHeight
    QRect SSTab1;
    QRect picMap2, vscrMap, hscrMap, picBlocks1, hscrBlocks, lblBlock, cmdSaveMap;
    QRect picEvents1, vScrEvents, hScrEvents;

    static MainLayout compute(int outerWidth, int outerHeight);
    // The design layout of the controls, before any resize.
    static MainLayout design();
};

// A scroll range: content minus the viewport's inner size in pixels (outer twips less the
// 2-pixel border on both sides), rounded half to even.
int ScrollMaximum(int contentPixels, int viewportTwips);
// The viewport's inner size in pixels, as the layout sees it.
double InnerPixels(int viewportTwips);

}  // namespace zantor
