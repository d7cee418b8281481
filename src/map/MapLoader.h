#pragma once

#include <QPoint>

#include "LoadedMap.h"

namespace zantor {

class RomFile;

// Level geometry in pixels.
constexpr int kLevelWidth = 4096;
constexpr int kLevelHeight = 768;
// The 128 blocks side by side at 16 × 16 (what views draw from) and at 32 × 32 (the palette
// picture `blocks` exports).
constexpr int kBlockStripWidth = 2048;
constexpr int kBlockStripHeight = 16;
constexpr int kStripWidth = 4096;
constexpr int kStripHeight = 32;
constexpr int kSheetSize = 128;

// Loads map `mapIndex` (0..31) of the ROM: reads the header, version, tiles, blocks and block
// map, and draws the tile sheet and the blocks (not the level). Throws RomAccessError when a
// read fails; nothing the caller holds has changed then.
LoadedMap LoadMap(const RomFile& rom, int mapIndex);

// The drawing steps on their own, for the loader and for callers that redraw.
Picture DrawTileSheet(const RomFile& rom, int mapIndex, uint8_t romVersion, uint8_t palette);
// A sheet drawn in the identity palette shown in another palette (every pixel of the sheet
// is covered by a tile, so the mapping is exact).
Picture RecolourTileSheet(const Picture& identitySheet, uint8_t palette);
// The 1× strip (block b at (16b, 0), 2048 × 16) drawn from the sheet.
Picture DrawBlockStrip(const Picture& tileSheet, const BlockTable& blocks);
// Draws one block of the 1× strip again, after its quarters changed.
void DrawBlock(Picture& strip, const Picture& tileSheet, int block, const BlockQuarters& quarters);
// The 2× strip (block b at (32b, 0), 4096 × 32) enlarged from the 1× strip.
Picture EnlargeBlockStrip(const Picture& strip);
// The level: cell (x, y) shows the block of cells[256y + x] taken from the 1× strip.
// Views draw only the area they show; the whole picture is made for exports.
Picture DrawLevel(const Picture& strip, const MapCells& cells);
// The part of the level at `origin` (level pixels) that `target` (32-bit, any size) covers;
// target pixels outside the level are left alone.
void DrawLevelArea(QImage& target, QPoint origin, const Picture& strip, const MapCells& cells);

}  // namespace zantor
