#pragma once

#include <array>
#include <cstdint>

namespace zantor {

class Picture;

// One 8 × 8 tile as stored: per pixel row a low-plane byte then a high-plane byte, bit 7 the
// leftmost pixel. Pixels are colour numbers 0..3, the stored values, not shades.
constexpr int kTileByteCount = 16;
using TileBytes = std::array<uint8_t, kTileByteCount>;

int TilePixel(const TileBytes& tile, int x, int y);
void SetTilePixel(TileBytes& tile, int x, int y, int colour);

TileBytes TileFromBytes(const char* bytes);

// Draws the tile at (x, y) of the picture under `palette`; the 8 × 8 square must lie inside.
void DrawTile(Picture& picture, int x, int y, const TileBytes& tile, uint8_t palette);

// The whole-tile edits of the tile editor.
TileBytes FlipTile(const TileBytes& tile, bool horizontally);
// A quarter turn clockwise.
TileBytes RotateTile(const TileBytes& tile);
// The pixels 4-connected to (x, y) that share its colour, given `colour`; within the tile.
TileBytes FillTile(const TileBytes& tile, int x, int y, int colour);
// A straight line and a rectangle's outline between two pixels (either may lie outside the
// tile; what falls outside is left out).
TileBytes DrawTileLine(const TileBytes& tile, int x0, int y0, int x1, int y1, int colour);
TileBytes DrawTileRectangle(const TileBytes& tile, int x0, int y0, int x1, int y1, int colour);

}  // namespace zantor
