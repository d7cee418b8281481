#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace zantor {

class RomFile;

// A level's block map: 48 rows of 256 block numbers, cell (x, y) at 256 y + x.
constexpr int kMapColumns = 256;
constexpr int kMapRows = 48;
constexpr int kMapCells = kMapColumns * kMapRows;
using MapCells = std::array<uint8_t, kMapCells>;

struct DecodedMap {
    MapCells MapBuffer{};
    // One more than the number of stored bytes the decoder consumed.
    int32_t CompressedLength = 0;
};

// Expands the run-length coded map stored at `offset`. Codes: 0x00..0x7F a literal cell;
// 0x80 | v then n: n + 1 cells of v (n = 0: the rest of the row). A run never crosses a row
// end; decoding stops at the 12288th cell and never reads past the code that fills it.
DecodedMap DecompressMap(const RomFile& rom, int32_t offset);

// The stored form of a map (cells taken And 0x7F): every run of two or more equal cells in a
// row becomes a run code, every single cell a literal. At most 12288 bytes.
QByteArray CompressMapBytes(const MapCells& cells);

// The same as text: two upper-case hex digits per byte, no separators.
QString CompressMap(const MapCells& cells);

}  // namespace zantor
