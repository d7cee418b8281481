#pragma once

#include <cstdint>

#include "SampleMapStorage.h"
#include "SampleThemes.h"
#include "codec/MapCodec.h"

namespace zantor {

// What the cartridge header of sample map `index` says about it, besides where things are.
struct SampleMapPlan {
    Theme theme;
    uint8_t backgroundPalette;  // mostly the theme's; a few maps show their art oddly on purpose
    MapStorage storage;
    uint8_t music;
    uint8_t time;
};
SampleMapPlan SampleMapPlanFor(int index);

struct SampleLevel {
    MapCells cells{};
    // The start marker (16 × 32) standing on the ground near the left end, in level pixels.
    int startTop = 0;
    int startLeft = 0;
};

// The layout of sample map `index` (0..31): a platform level in the map's theme, different
// for every index.
SampleLevel BuildSampleLevel(int index);

}  // namespace zantor
