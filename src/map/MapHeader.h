#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zantor {

class RomFile;

// The fields of a map header that have a meaning the editor knows. Positions are level pixels;
// the camera's is the centre of the screen, which spans 80 pixels either side in X and 72 in Y.
enum class HeaderField : uint8_t {
    PlayerY,  // word at bytes 0-1
    PlayerX,  // word at bytes 2-3
    CameraY,  // word at bytes 4-5
    CameraX,  // word at bytes 6-7
    Music,    // byte 14
    BackgroundPalette,
    ForegroundPalette0,
    ForegroundPalette1,
    Time,  // byte 19
};

// The 20 header bytes of a map, as read. Words are little-endian. Bytes the editor has no name
// for stay as read.
struct MapHeader {
    static constexpr int kSize = 20;
    std::array<uint8_t, kSize> bytes{};

    static MapHeader read(const RomFile& rom, int32_t headerOffset);

    // Where a field lies in the header and how large it is (1 or 2 bytes).
    struct Place {
        int offset;
        int size;
    };
    static constexpr Place placeOf(HeaderField field) {
        switch (field) {
            case HeaderField::PlayerY:
                return {0, 2};
            case HeaderField::PlayerX:
                return {2, 2};
            case HeaderField::CameraY:
                return {4, 2};
            case HeaderField::CameraX:
                return {6, 2};
            case HeaderField::Music:
                return {14, 1};
            case HeaderField::BackgroundPalette:
                return {15, 1};
            case HeaderField::ForegroundPalette0:
                return {16, 1};
            case HeaderField::ForegroundPalette1:
                return {17, 1};
            case HeaderField::Time:
                return {19, 1};
        }
        return {0, 0};
    }
    // The largest value a field holds.
    static constexpr int maximumOf(HeaderField field) {
        return placeOf(field).size == 2 ? 0xFFFF : 0xFF;
    }

    int field(HeaderField field) const {
        const Place place = placeOf(field);
        return place.size == 2 ? bytes[size_t(place.offset)] | bytes[size_t(place.offset + 1)] << 8
                               : bytes[size_t(place.offset)];
    }
    // Stores `value` cut to the field's size.
    void setField(HeaderField field, int value) {
        const Place place = placeOf(field);
        bytes[size_t(place.offset)] = uint8_t(value & 0xFF);
        if (place.size == 2)
            bytes[size_t(place.offset + 1)] = uint8_t((value >> 8) & 0xFF);
    }

    // The player's start position in level pixels (unsigned words; far outside the level
    // when the high byte is large).
    int playerY() const { return field(HeaderField::PlayerY); }
    int playerX() const { return field(HeaderField::PlayerX); }
    void setPlayerY(int y) { setField(HeaderField::PlayerY, y); }
    void setPlayerX(int x) { setField(HeaderField::PlayerX, x); }
    // The camera's start: the centre of the first screen shown.
    int cameraY() const { return field(HeaderField::CameraY); }
    int cameraX() const { return field(HeaderField::CameraX); }
    void setCameraY(int y) { setField(HeaderField::CameraY, y); }
    void setCameraX(int x) { setField(HeaderField::CameraX, x); }
    // The block definitions: the word at bytes 11-12 as an address in bank 8.
    int32_t BlockDataOffset() const { return 0x1C000 + bytes[11] + 256 * bytes[12]; }
    uint8_t mapBank() const { return bytes[13]; }
    uint8_t music() const { return bytes[14]; }
    void setMusic(uint8_t value) { setField(HeaderField::Music, value); }
    uint8_t backgroundPalette() const { return bytes[15]; }
    void setBackgroundPalette(uint8_t value) { setField(HeaderField::BackgroundPalette, value); }
    uint8_t foregroundPalette0() const { return bytes[16]; }
    void setForegroundPalette0(uint8_t value) { setField(HeaderField::ForegroundPalette0, value); }
    uint8_t foregroundPalette1() const { return bytes[17]; }
    void setForegroundPalette1(uint8_t value) { setField(HeaderField::ForegroundPalette1, value); }
    // Index into the map data table of the map bank.
    uint8_t mapNumber2() const { return bytes[18]; }
    uint8_t time() const { return bytes[19]; }
    void setTime(uint8_t value) { setField(HeaderField::Time, value); }

    // Where the map data table entry for this map lies: address 0x42F0 + 2 × map number 2
    // of the map bank.
    int32_t mapDataPointerOffset() const { return mapBank() * 0x4000 + 0x2F0 + 2 * mapNumber2(); }

    bool operator==(const MapHeader&) const = default;
};

// The file offset of the compressed block map of the map whose header this is.
int32_t MapDataOffset(const RomFile& rom, const MapHeader& header);

}  // namespace zantor
