#pragma once

#include <QByteArray>

#include "SampleFont.h"
#include "SampleThemes.h"
#include "ShadeCanvas.h"

namespace zantor {

// The tile sheet every sample level shows: 256 cells of 8 × 8, cell k at
// (8 (k % 16), 8 (k / 16)). Picture block p fills the 2 × 2 square whose top-left cell is
// PictureCell(p); the font and the pattern tiles fill the last four rows one cell each.
constexpr int kFontFirstCell = 192;
constexpr int kPatternFirstCell = kFontFirstCell + kSampleFontCount;
constexpr int PictureCell(int picture) {
    return 2 * (picture % 8) + 32 * (picture / 8);
}

// The game shows tile number t in sheet cell t Xor 0x80.
constexpr uint8_t TileNumberOfCell(int cell) {
    return uint8_t(cell ^ 0x80);
}

// A theme's 256 tiles as shades, in the theme's final look.
ShadeCanvas DrawThemeSheet(Theme theme);

// The 128 blocks, four tile numbers each (top-left, top-right, bottom-left, bottom-right).
QByteArray SampleBlockData();

// Copies picture block `picture` of a sheet, 16 × 16 pixels, to (x, y) of canvas.
void DrawPictureBlock(ShadeCanvas& canvas, const ShadeCanvas& sheet, int picture, int x, int y);

}  // namespace zantor
