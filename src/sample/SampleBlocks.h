#pragma once

#include <cstdint>

namespace zantor {

// The sample's 128 blocks; every theme has the same arrangement, so the level layouts need
// not know which art they are shown with.
namespace block {
// Picture blocks: each is one 16 × 16 picture, its four tiles a 2 × 2 square of the sheet.
enum : uint8_t {
    Sky,
    GroundTop,
    GroundFill,
    GroundTopLeft,
    GroundTopRight,
    GroundLeft,
    GroundRight,
    HillLeft,
    HillRight,
    HillTop,
    HillFill,
    Brick,
    Question,
    Used,
    Solid,
    Coin,
    PipeTopLeft,
    PipeTopRight,
    PipeLeft,
    PipeRight,
    PlatformLeft,
    Platform,
    PlatformRight,
    CloudTopLeft,
    CloudTop,
    CloudTopRight,
    CloudBottomLeft,
    CloudBottom,
    CloudBottomRight,
    BushLeft,
    Bush,
    BushRight,
    HazardTop,
    Hazard,
    Deco1,
    Deco2,
    Deco3,
    Deco4,
    TreeTopLeft,
    TreeTopRight,
    TreeBottomLeft,
    TreeBottomRight,
    Trunk,
    Fence,
    PoleTop,
    Pole,
    Flag,
    Heart,
    PictureCount
};
// Four consecutive font characters each, two above two.
constexpr uint8_t kFirstText = PictureCount;
constexpr int kTextCount = 10;
// One 8 × 8 pattern tile four times.
constexpr uint8_t kFirstPattern = kFirstText + kTextCount;
constexpr int kPatternCount = 23;
// kFirstHalf + p - 1: the upper half of picture block p (1..47) over sky, for ledges.
constexpr uint8_t kFirstHalf = kFirstPattern + kPatternCount;
constexpr int kBlockCount = 128;
static_assert(kFirstHalf + PictureCount - 1 == kBlockCount);

constexpr uint8_t HalfOf(uint8_t picture) {
    return uint8_t(kFirstHalf + picture - 1);
}
}  // namespace block

}  // namespace zantor
