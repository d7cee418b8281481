#pragma once

#include <QByteArray>
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
    MapCells cells{};
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

// The most bytes a stored map can take, and so the most a decoding can consume: a 2-byte code
// covers at least two cells except at the last cell of a row, so a row takes at most 255
// literals and a run code for its last cell alone.
constexpr int kLongestMapEncoding = kMapRows * (kMapColumns + 1);

// The length CompressMapBytes gives row `row` (0..47). A run never crosses a row end, so a
// row's length does not depend on the other rows and the map's length is the rows' sum.
int CompressedRowLength(const MapCells& cells, int row);

// The stored form of `cells` lengthened to exactly `length` bytes, so that it fills a slot of
// that length and decodes to the same cells, consuming all of it. Runs are split into literals
// and a shorter run from the first row on; past 12288 bytes the last cell of a row becomes a
// run code of its own. Every length from CompressMapBytes(cells).size() to
// kLongestMapEncoding can be reached, which covers every slot a decoding can find. Empty when
// the shortest form is longer than `length`; for a `length` beyond kLongestMapEncoding the
// longest form, shorter than asked (the caller checks the size).
QByteArray CompressMapToLength(const MapCells& cells, int length);

}  // namespace zantor
