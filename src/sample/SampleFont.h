#pragma once

#include <cstdint>

namespace zantor {

class ShadeCanvas;

// A 5 × 7 pixel font for the sample's level signs and title screen.
constexpr const char* kSampleFontCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ!?-.:";
constexpr int kSampleFontCount = 41;

// Draws `c` with its top-left pixel at (x, y), every font pixel a scale × scale square.
// Characters the font lacks (the space among them) draw nothing.
void DrawGlyph(ShadeCanvas& canvas, int x, int y, char c, uint8_t shade, int scale = 1);

// Whether font pixel (column 0..4, row 0..6) of `c` is set.
bool GlyphPixel(char c, int column, int row);

}  // namespace zantor
