#pragma once

#include <array>
#include <cstdint>

namespace zantor {

class RomFile;

// 128 blocks of four tile numbers, quarter 0 top-left, 1 top-right, 2 bottom-left,
// 3 bottom-right. In the ROM block b quarter q is the byte at BlockDataOffset + 4b + q.
constexpr int kBlockCount = 128;
using BlockQuarters = std::array<uint8_t, 4>;
using BlockTable = std::array<BlockQuarters, kBlockCount>;

BlockTable ReadBlockSet(const RomFile& rom, int32_t blockDataOffset);

// The sheet cell that shows tile number t: cells 0..127 hold 0x80..0xFF, 128..255 hold 0..0x7F.
constexpr int SheetCellOfTile(uint8_t tile) {
    return tile ^ 0x80;
}

}  // namespace zantor
