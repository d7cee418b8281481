#pragma once

#include <array>
#include <cstdint>

#include "ShadeCanvas.h"

namespace zantor {

// The title screen: 20 × 18 cells shown from a map whose rows lie 32 bytes apart.
constexpr int kTitleColumns = 20;
constexpr int kTitleRows = 18;
constexpr int kTitleMapStride = 32;

struct SampleTitle {
    // 256 tiles, tile k at (8 (k % 16), 8 (k / 16)).
    ShadeCanvas tiles{128, 128};
    // Map byte = tile index Xor 0x80; the unseen ends of the rows show the blank tile.
    std::array<uint8_t, kTitleRows * kTitleMapStride> map{};
};

// The title reads ZANTOR in big letters over two lines of small text and a strip of
// landscape, inside a border.
SampleTitle BuildSampleTitle();

}  // namespace zantor
