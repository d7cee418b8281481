#pragma once

#include <QByteArray>
#include <cstdint>

#include "codec/MapCodec.h"
#include "support/Bytes.h"

// A small image for the map space: the 32 headers, and the map tables and maps a test lays
// out. Every header starts out in bank kSpareBank, entry 0, which leads to a map of one
// block; a test moves the headers it needs into kBank and places their maps there.
struct SpaceRom {
    static constexpr uint8_t kBank = 0x0C;
    static constexpr uint8_t kSpareBank = 0x0D;
    static constexpr int32_t kHeaders = 0x5700;

    QByteArray bytes = QByteArray(0x80000, '\0');

    SpaceRom() {
        for (int i = 0; i < 32; ++i) {
            PutWord(bytes, 0x55CB + 2 * i, kHeaders + 20 * i);
            useEntry(i, 0, kSpareBank);
        }
        store(0, 0x4400, zantor::CompressMapBytes(zantor::MapCells{}), kSpareBank);
    }

    static int32_t offset(int address, uint8_t bank = kBank) {
        return bank * 0x4000 + address - 0x4000;
    }
    static int32_t entryOffset(int entry, uint8_t bank = kBank) {
        return bank * 0x4000 + 0x2F0 + 2 * entry;
    }

    // Header `mapIndex` names entry `entry` of `bank`'s table.
    void useEntry(int mapIndex, int entry, uint8_t bank = kBank) {
        bytes[kHeaders + 20 * mapIndex + 13] = char(bank);
        bytes[kHeaders + 20 * mapIndex + 18] = char(entry);
    }
    void setEntry(int entry, int address, uint8_t bank = kBank) {
        PutWord(bytes, entryOffset(entry, bank), address);
    }
    // `stored` at `address`, and entry `entry` pointing at it; returns the address after it.
    int store(int entry, int address, const QByteArray& stored, uint8_t bank = kBank) {
        setEntry(entry, address, bank);
        bytes.replace(offset(address, bank), stored.size(), stored);
        return address + int(stored.size());
    }

    // A level of runs up to `scale` cells long, different for every seed.
    static zantor::MapCells level(quint32 seed, int scale) {
        QRandomGenerator random(seed);
        zantor::MapCells cells{};
        for (int i = 0; i < zantor::kMapCells;) {
            const int length = 1 + int(random.bounded(scale));
            const uint8_t value = uint8_t(random.bounded(128));
            for (int k = 0; k < length && i < zantor::kMapCells; ++k)
                cells[size_t(i++)] = value;
        }
        return cells;
    }
};
