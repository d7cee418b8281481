#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

#include "codec/MapCodec.h"

namespace zantor {

// One stored map: the bytes one or more headers (or table entries) lead to. Two headers or
// two table entries leading to the same data are one map with one slot.
struct StoredMap {
    int32_t start = 0;        // file offset of its first stored byte
    int slot = 0;             // the bytes its decoding consumed: what it may fill when saved
    int needed = 0;           // the bytes the shortest form of its cells takes
    QList<int> mapIndices;    // the headers (0..31) whose map this is
    QList<int> tableEntries;  // the entries of the bank's table that point at its start
    MapCells cells{};

    int32_t end() const { return start + slot; }
    int slack() const { return slot - needed; }
    bool shared() const { return mapIndices.size() > 1 || tableEntries.size() > 1; }
};

// Slots that follow one another with no gap: the bytes a repack may lay out afresh.
struct MapRegion {
    int32_t start = 0;
    int32_t end = 0;  // one past the last byte
    QList<int> maps;  // indices into BankSpace::maps, in stored order

    int length() const { return end - start; }
};

// An entry of a bank's map data table (bank:0x42F0 + 2 × number).
struct MapTableEntry {
    int number = 0;
    int32_t offset = 0;   // file offset of the entry itself
    int address = 0;      // the address it holds
    int32_t target = -1;  // the file offset it leads to; -1 outside the window 0x4000-0x7FFF
};

// A header's map that cannot be read safely, and why.
struct MapProblem {
    int mapIndex = 0;
    QString reason;
};

// The run of equal bytes (0x00 or 0xFF) the bank ends in, after its last map. Nothing says the
// game leaves it unused, so nothing writes there.
struct BankTail {
    int32_t start = 0;
    int length = 0;
    uint8_t value = 0;
};

// The maps of one map bank and how they lie.
struct BankSpace {
    static constexpr int32_t kBankSize = 0x4000;
    static constexpr int32_t kTableInBank = 0x2F0;

    uint8_t bank = 0;
    // Entries 0 up to the highest number a header of this bank uses; how long the table
    // really is the cartridge does not say.
    QList<MapTableEntry> table;
    std::vector<StoredMap> maps;  // by start
    std::vector<MapRegion> regions;
    QList<MapProblem> problems;
    BankTail tail;
    // Bytes no repack may move maps over: the table of map headers and the 32 headers
    // (start, length), whichever bank they lie in.
    QList<QPair<int32_t, int32_t>> keepOut;

    int32_t start() const { return bank * kBankSize; }
    int32_t end() const { return start() + kBankSize; }
    int32_t tableStart() const { return start() + kTableInBank; }
    int32_t tableEnd() const { return tableStart() + 2 * int32_t(table.size()); }
    // The index into `maps` of header `mapIndex`'s map; -1 when it is not stored here.
    int mapOf(int mapIndex) const;
    // The index into `regions` of the region holding maps[map].
    int regionOf(int map) const;
};

}  // namespace zantor
