#include "TileRanges.h"

namespace zantor {

namespace {
struct GroupLayout {
    uint8_t first;
    int count;
};
// Group B is stored 64 tiles long, but the game shows only 56: C's first 8 cover the rest.
constexpr std::array<GroupLayout, kTileGroupCount> kLayout{
    {{0x80, 48}, {0xB0, 56}, {0xE8, 8}, {0xF0, 48}, {0x20, 96}}};
}  // namespace

uint8_t FirstTileOf(TileGroup group) {
    return kLayout[size_t(group)].first;
}

int TileCountOf(TileGroup group) {
    return kLayout[size_t(group)].count;
}

std::array<TileRange, kTileGroupCount> TileRangesOf(const TileSources& sources) {
    return {{{sources.groupA, 48},
             {sources.groupB, 56},
             {sources.groupC, 8},
             {sources.groupC + 0x80, 48},
             {sources.groupD, 96}}};
}

TilePlace TilePlaceOf(uint8_t tile) {
    for (int g = 0; g < kTileGroupCount; ++g) {
        const int index = uint8_t(tile - kLayout[size_t(g)].first);
        if (index < kLayout[size_t(g)].count)
            return {TileGroup(g), index};
    }
    return {TileGroup::A, 0};  // not reached: the groups cover all 256 numbers
}

int32_t TileOffset(const TileSources& sources, uint8_t tile) {
    const TilePlace place = TilePlaceOf(tile);
    return TileRangesOf(sources)[size_t(place.group)].offset + 16 * place.index;
}

}  // namespace zantor
