#pragma once

#include <array>
#include <cstdint>

namespace zantor {

class RomFile;

// The 20 header bytes of a map, as read. Words are little-endian.
struct MapHeader {
    static constexpr int kSize = 20;
    std::array<uint8_t, kSize> bytes{};

    static MapHeader read(const RomFile& rom, int32_t headerOffset);

    // The player's start position in level pixels (unsigned words; far outside the level
    // when the high byte is large).
    int startTop() const { return bytes[0] | bytes[1] << 8; }
    int startLeft() const { return bytes[2] | bytes[3] << 8; }
    // The block definitions: the word at bytes 11-12 as an address in bank 8.
    int32_t BlockDataOffset() const { return 0x1C000 + bytes[11] + 256 * bytes[12]; }
    uint8_t mapBank() const { return bytes[13]; }
    uint8_t music() const { return bytes[14]; }
    uint8_t backgroundPalette() const { return bytes[15]; }
    uint8_t foregroundPalette0() const { return bytes[16]; }
    uint8_t foregroundPalette1() const { return bytes[17]; }
    // Index into the map data table of the map bank.
    uint8_t mapNumber2() const { return bytes[18]; }
    uint8_t time() const { return bytes[19]; }

    // Where the map data table entry for this map lies: address 0x42F0 + 2 × map number 2
    // of the map bank.
    int32_t mapDataPointerOffset() const { return mapBank() * 0x4000 + 0x2F0 + 2 * mapNumber2(); }

    bool operator==(const MapHeader&) const = default;
};

// The file offset of the compressed block map of the map whose header this is.
int32_t MapDataOffset(const RomFile& rom, const MapHeader& header);

}  // namespace zantor
