#include "MapCodec.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "RomFile.h"

namespace zantor {

DecodedMap DecompressMap(const RomFile& rom, int32_t offset) {
    DecodedMap decoded;
    MapCells& cells = decoded.cells;
    // The stored bytes are fetched from the image a block at a time rather than byte by byte:
    // a map is decoded on every load and again before every save.
    constexpr int kBlock = 256;
    std::array<uint8_t, kBlock + 1> block;
    int32_t blockStart = offset;
    int at = 0;
    int have = 0;
    auto refill = [&] {
        blockStart += have;
        // One byte more than is used, so that a run code's count never needs a second refill.
        rom.ReadRomBytes(blockStart, kBlock + 1, block.data());
        at -= have;
        have = kBlock;
    };
    int i = 0;
    while (i < kMapCells) {
        if (at >= have) {
            refill();
        }
        // A stretch of literal cells (bit 7 clear) is copied whole, tested eight bytes at a
        // time: a map stored mostly as literals would otherwise cost a branch a cell.
        const int limit = std::min(have - at, kMapCells - i);
        int span = 0;
        for (; span + 8 <= limit; span += 8) {
            uint64_t eight;
            std::memcpy(&eight, &block[size_t(at + span)], sizeof eight);
            if (eight & 0x8080808080808080ull) {
                break;
            }
        }
        while (span < limit && block[size_t(at + span)] < 0x80) {
            ++span;
        }
        std::memcpy(&cells[size_t(i)], &block[size_t(at)], size_t(span));
        i += span;
        at += span;
        if (span == limit) {
            continue;  // the block is used up, or the map is whole
        }
        const uint8_t v = block[size_t(at++)] & 0x7F;
        const uint8_t n = block[size_t(at++)];
        // n + 1 cells, or the rest of the row for n = 0; never past the row's end.
        const int rowEnd = (i / kMapColumns + 1) * kMapColumns;
        const int end = n == 0 ? rowEnd : std::min(rowEnd, i + n + 1);
        std::memset(&cells[size_t(i)], v, size_t(end - i));
        i = end;
    }
    decoded.CompressedLength = blockStart - offset + at + 1;
    return decoded;
}

QByteArray CompressMapBytes(const MapCells& cells) {
    QByteArray out;
    out.reserve(kMapCells);
    int i = 0;
    while (i < kMapCells) {
        const uint8_t v = cells[size_t(i)] & 0x7F;
        int r = 1;
        while (true) {
            const int k = i + r;
            if (k % kMapColumns == 0 || k >= kMapCells || (cells[size_t(k)] & 0x7F) != v) {
                break;
            }
            ++r;
        }
        if (r == 1) {
            out.append(char(v));
        } else {
            out.append(char(0x80 + v));
            out.append(char(r - 1));
        }
        i += r;
    }
    return out;
}

namespace {
// How many cells from x on hold the same block (And 0x7F) as cell x, within its row.
int RunInRow(const uint8_t* row, int x) {
    const uint8_t v = row[x] & 0x7F;
    int r = 1;
    while (x + r < kMapColumns && (row[x + r] & 0x7F) == v) {
        ++r;
    }
    return r;
}
}  // namespace

int CompressedRowLength(const MapCells& cells, int row) {
    // A run of one cell costs one byte, a longer run two: so a row costs a byte per run plus
    // one per run of two or more. With same[x] telling that cell x + 1 continues cell x's run,
    // the runs are the cells less the sames, and the long runs are where a stretch of sames
    // starts. Two flat loops the compiler vectorises: the size meter runs this on every load.
    const uint8_t* cell = &cells[size_t(row) * kMapColumns];
    std::array<uint8_t, kMapColumns> same{};
    for (int x = 0; x + 1 < kMapColumns; ++x) {
        same[size_t(x)] = ((cell[x] ^ cell[x + 1]) & 0x7F) == 0;
    }
    int sames = same[0];
    int longRuns = same[0];
    for (int x = 1; x < kMapColumns; ++x) {
        sames += same[size_t(x)];
        longRuns += same[size_t(x)] & (same[size_t(x - 1)] ^ 1);
    }
    return kMapColumns - sames + longRuns;
}

QByteArray CompressMapToLength(const MapCells& cells, int length) {
    QByteArray shortest = CompressMapBytes(cells);
    if (shortest.size() > length) {
        return {};
    }
    if (shortest.size() == length) {
        return shortest;
    }
    length = std::min(length, kLongestMapEncoding);
    // A run of r >= 2 cells grows from 2 bytes up to r bytes (g literals, then a run of the
    // r - g cells left, at least 2 so that its count is not 0), so splitting alone reaches
    // 12288 bytes. Beyond that, each of the first `rowEndCodes` rows spends one byte more by
    // ending in a fill code for its last cell alone.
    int growth = std::min(length, kMapCells) - int(shortest.size());
    const int rowEndCodes = std::max(0, length - kMapCells);

    QByteArray out;
    out.reserve(length);
    auto literals = [&](uint8_t v, int count) { out.append(count, char(v)); };
    auto run = [&](uint8_t v, int count) {
        out.append(char(0x80 | v));
        out.append(char(count));
    };
    for (int row = 0; row < kMapRows; ++row) {
        const uint8_t* cell = &cells[size_t(row) * kMapColumns];
        int x = 0;
        while (x < kMapColumns) {
            const uint8_t v = cell[x] & 0x7F;
            const int r = RunInRow(cell, x);
            x += r;
            if (x == kMapColumns && row < rowEndCodes) {
                // Every run is split to the end by now, so this one is all literals too.
                growth -= std::max(0, r - 2);
                literals(v, r - 1);
                run(v, 0);
            } else if (r == 1) {
                literals(v, 1);
            } else {
                const int g = std::min(growth, r - 2);
                growth -= g;
                literals(v, g);
                run(v, r - g - 1);
            }
        }
    }
    return out;
}

}  // namespace zantor
