#pragma once

#include <QByteArray>
#include <cstdint>

#include "support/Bytes.h"

// A small hand-made image with one fully described map, for tests that need to know exactly
// which byte lies where. Every tile's bytes name their group and index, so a drawn tile can
// be traced back to its source.
struct MiniRom {
    static constexpr int kMap = 3;
    static constexpr int32_t kHeader = 0x5000;
    static constexpr int32_t kBlockData = 0x20000;  // address 0x4000 in bank 8
    static constexpr int32_t kMapData = 0x31000;    // address 0x5000 in bank 12
    static constexpr int kTileSet = 2;
    static constexpr int32_t kGroupA = 0x6F000 + 0x300 * kTileSet;
    static constexpr int32_t kGroupB = 0x40000;
    static constexpr int32_t kGroupC = 0x1C000;
    static constexpr int32_t kGroupD = 0x44000;

    QByteArray bytes = QByteArray(0x80000, '\0');
    uint8_t version = 0;

    explicit MiniRom(uint8_t romVersion = 0, uint8_t palette = 0xE4) : version(romVersion) {
        const int shift = version == 0 ? 0 : 3;
        bytes[0x14C] = char(version);
        PutWord(bytes, 0x55CB + 2 * kMap, kHeader);
        bytes.replace(kHeader, 20,
                      QByteArray::fromHex("40023000 00000000000000 0040 0C 07") + char(palette) +
                          QByteArray::fromHex("11220104"));
        PutWord(bytes, 0x0C * 0x4000 + 0x2F0 + 2 * 1, 0x5000);
        bytes[0x360A + shift + kMap] = char(kTileSet << 4 | 0x0F);
        far(0x362A + shift + 4 * kMap, 0x10, 0x4000);
        PutWord(bytes, 0x763 + shift + 2 * kTileSet, 0x4000);
        far(0x36AA + shift + 4 * kMap, 0x11, 0x4000);
        tiles(kGroupA, 1, 48);
        tiles(kGroupB, 2, 64);
        tiles(kGroupC, 3, 56);
        tiles(kGroupD, 4, 96);
        // Blocks: block b shows tiles b, b+1, b+16, b+17 of the sheet's cell numbering.
        for (int b = 0; b < 128; ++b) {
            const int cells[4] = {b, b + 1, b + 16, b + 17};
            for (int q = 0; q < 4; ++q)
                bytes[kBlockData + 4 * b + q] = char((cells[q] & 0xFF) ^ 0x80);
        }
        // The map: row y holds block (x + y) % 128 in its first 128 cells, then block 5.
        QByteArray stored;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 128; ++x)
                stored += char((x + y) % 128);
            stored += QByteArray::fromHex("8500");
        }
        bytes.replace(kMapData, stored.size(), stored);
    }

    // The 16 bytes of tile `index` of group `group`: row r is (index, group << 4 | r).
    static QByteArray tile(int group, int index) {
        QByteArray t;
        for (int r = 0; r < 8; ++r)
            t.append(char(index)).append(char(group << 4 | r));
        return t;
    }

    void setBlock(int block, uint8_t q0, uint8_t q1, uint8_t q2, uint8_t q3) {
        const char quarters[4] = {char(q0), char(q1), char(q2), char(q3)};
        bytes.replace(kBlockData + 4 * block, 4, quarters, 4);
    }

private:
    void far(int offset, int bank, int address) {
        bytes[offset] = char(bank);
        PutWord(bytes, offset + 2, address);
    }
    void tiles(int32_t at, int group, int count) {
        for (int i = 0; i < count; ++i)
            bytes.replace(at + 16 * i, 16, tile(group, i));
    }
};
