#pragma once

#include "SampleThemes.h"
#include "ShadeCanvas.h"

namespace zantor {

// The small things of a theme, 16 × 16 over the theme's sky tile: `which` 0..3 (flowers and
// signposts, pumpkins and ghosts, fish, rockets...).
ShadeCanvas DrawDecoration(Theme theme, int which, const ShadeCanvas& sky);

// The theme's big picture, 32 × 32: a tree where trees grow, else a banner, the sun, a ringed
// planet or such.
ShadeCanvas DrawLandmark(Theme theme, const ShadeCanvas& sky);

}  // namespace zantor
