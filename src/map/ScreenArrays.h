#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "base/Error.h"

namespace zantor {

class RomFile;
struct MapHeader;

// A level is cut into 16 × 3 screens of 256 × 256 pixels; index = row × 16 + column.
constexpr int kScreenColumns = 16;
constexpr int kScreenRows = 3;
constexpr int kScreenCount = kScreenColumns * kScreenRows;
constexpr int kScreenSize = 256;

// The scroll-box byte: an edge the camera may not cross. Bits 4-7 have no reader in the game
// and are kept as they are.
enum ScreenEdge : uint8_t {
    EdgeRight = 0x01,
    EdgeLeft = 0x02,
    EdgeTop = 0x04,
    EdgeBottom = 0x08,
};
constexpr uint8_t kEdgeBits = 0x0F;

// The box with `edge` closed or opened; the other bits, 4-7 included, stay.
constexpr uint8_t WithEdge(uint8_t box, ScreenEdge edge, bool closed) {
    return closed ? uint8_t(box | edge) : uint8_t(box & ~edge);
}

// A level's two arrays: per screen its closed edges and its exit (0: none, n: exit script n).
struct ScreenArrays {
    std::array<uint8_t, kScreenCount> boxes{};
    std::array<uint8_t, kScreenCount> exits{};

    bool operator==(const ScreenArrays&) const = default;
};

// Where a level's arrays lie. Levels of the same bank and index share them.
struct ScreenArraysPlace {
    uint8_t bank = 0;
    int index = 0;  // header byte 18's low nibble, the same that picks the map
    int32_t boxesOffset = 0;
    int32_t exitsOffset = 0;

    bool operator==(const ScreenArraysPlace&) const = default;
};

class ScreenArraysError : public Error {
public:
    explicit ScreenArraysError(QString text) : Error(std::move(text)) {}
};

// The place from the header's bank and index and the bank's two base words at $4000 (boxes)
// and $4002 (exits). Throws ScreenArraysError naming the base when one lies outside
// $4000-$7FFF, or when the arrays would run past the bank's end: nothing there is the level's.
ScreenArraysPlace ScreenArraysPlaceOf(const RomFile& rom, const MapHeader& header);

ScreenArrays ReadScreenArrays(const RomFile& rom, const ScreenArraysPlace& place);
// Writes only the bytes that differ from what the ROM holds, so an unchanged write changes
// nothing.
void WriteScreenArrays(RomFile& rom, const ScreenArraysPlace& place, const ScreenArrays& arrays);

}  // namespace zantor
