#pragma once

#include <array>
#include <cstdint>

namespace zantor {

class Picture;
class RomFile;

// Game Boy 2 bits per pixel tiles and their palettes.
//
// A palette byte gives colour number n the shade (palette >> 2n) & 3; the shades are shown as
// the greys below. Tiles are 16 bytes: per pixel row a low-plane byte then a high-plane byte,
// bit 7 being the leftmost pixel.
namespace shade {
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kLight = 0xAAAAAA;
constexpr uint32_t kDark = 0x555555;
constexpr uint32_t kBlack = 0x000000;
constexpr std::array<uint32_t, 4> kColours{kWhite, kLight, kDark, kBlack};
}  // namespace shade

// The identity palette: colour number n has shade n.
constexpr uint8_t kIdentityPalette = 0xE4;

// The display colour of colour number n (0..3) under palette.
uint32_t ShadeColour(uint8_t palette, int32_t n);

// The position of colour among c0..c3, first match winning; 0 when none matches.
int16_t ColourToShade(uint32_t colour, uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3);

using ShadePalette = std::array<uint32_t, 4>;
ShadePalette MakeShadePalette(uint8_t palette);

// Decodes (lastColumn + 1) × (lastRow + 1) tiles stored row by row from `start` and draws
// tile (row, col) at (originX + 8 col, originY + 8 row). Reads exactly 16 bytes a tile,
// sequentially. Pixels outside the picture are skipped.
void DrawTilesFromRom(const RomFile& rom, int32_t start, int lastColumn, int lastRow,
                      Picture& picture, int originX, int originY, uint8_t palette);

// The inverse: reads the tiles the picture shows (one tile pixel per scale × scale square,
// taken from its top-left picture pixel) and writes them from `start`, two bytes a pixel row.
// A colour that is none of the palette's four, or a pixel outside the picture, is colour 0.
void WriteTilesFromPicture(RomFile& rom, int32_t start, int lastColumn, int lastRow,
                           const Picture& picture, int originX, int originY, uint8_t palette,
                           uint8_t scale);

}  // namespace zantor
