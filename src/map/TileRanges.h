#pragma once

#include <QPoint>
#include <array>
#include <cstdint>

#include "TileSources.h"

namespace zantor {

// The five runs of stored tiles a level's sheet is made of. Group C is read as two runs: its
// first 8 tiles show as 0xE8..0xEF, the 48 from 0x80 bytes on as 0xF0..0xFF and 0x00..0x1F.
enum class TileGroup : int { A, B, C1, C2, D };
constexpr int kTileGroupCount = 5;

// A run of stored tiles: what a tile set document holds, and what levels share.
struct TileRange {
    int32_t offset = 0;
    int tiles = 0;
    bool operator==(const TileRange&) const = default;
};

// The first sheet tile number of each group and how many tiles follow it (numbers wrap past
// 0xFF to 0x00).
uint8_t FirstTileOf(TileGroup group);
int TileCountOf(TileGroup group);

std::array<TileRange, kTileGroupCount> TileRangesOf(const TileSources& sources);

// Where tile number t is stored: its group and its place in the group's run.
struct TilePlace {
    TileGroup group;
    int index;
};
TilePlace TilePlaceOf(uint8_t tile);
inline uint8_t TileAt(TileGroup group, int index) {
    return uint8_t(FirstTileOf(group) + index);
}

// The byte offset of tile t's 16 bytes.
int32_t TileOffset(const TileSources& sources, uint8_t tile);

// The top-left pixel of tile t on the 128 × 128 sheet.
inline QPoint SheetPixelOfTile(uint8_t tile) {
    return QPoint(8 * (tile % 16), 8 * ((tile ^ 0x80) / 16));
}

}  // namespace zantor
