#pragma once

#include <cstdint>

namespace zantor {

class RomFile;

// Where the 256 tiles of a map's tile sheet come from.
struct TileSources {
    uint8_t tileSetByte = 0;  // only its high nibble is used
    int32_t groupA = 0;       // 48 tiles
    int32_t groupB = 0;       // 64 tiles
    int32_t groupC = 0;       // 56 tiles
    int32_t groupD = 0;       // 96 tiles

    int tileSet() const { return tileSetByte >> 4; }
};

// Tile group A lies at 0x6F000 + 0x300 × n: one group is 48 tiles of 16 bytes, and the game
// steps 0x300 from one group to the next.
constexpr int32_t kTileGroupABase = 0x6F000;
constexpr int32_t kTileGroupAStride = 0x300;

// The per-version tables lie 3 bytes further on when the version byte is not 0.
TileSources ReadTileSources(const RomFile& rom, int mapIndex, uint8_t romVersion);

// The offsets of the tables, for a version byte (also used to lay out images).
struct TileSourceTables {
    int32_t tileSetBytes;  // + map index
    int32_t groupB;        // + 4 × map index, far pointers
    int32_t groupC;        // + 2 × tile set, addresses in bank 7
    int32_t groupD;        // + 4 × map index, far pointers
};
TileSourceTables TileSourceTablesFor(uint8_t romVersion);

}  // namespace zantor
