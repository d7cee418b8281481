#pragma once

#include <QByteArray>
#include <QPoint>
#include <array>
#include <cstdint>

#include "base/Picture.h"
#include "codec/TileCodec.h"

namespace zantor {

class RomFile;

// The game's title screen: 256 tiles shown as a 128 × 128 sheet, and a 20 × 18 tile map, the
// visible corner of a Game Boy background whose rows lie 32 bytes apart. The title screen
// window and the command line share this; it has no widgets.
struct TitleScreen {
    static constexpr int kColumns = 20;
    static constexpr int kRows = 18;
    static constexpr int kCells = kColumns * kRows;
    static constexpr int32_t kRowStride = 32;
    static constexpr int kTile = 8;
    static constexpr int kSheetSize = 128;
    static constexpr int kMapWidth = kColumns * kTile;
    static constexpr int kMapHeight = kRows * kTile;
    static constexpr int32_t kTileBytes = 256 * 16;
    // A little-endian address in bank 5; the map starts there.
    static constexpr int32_t kMapPointerOffset = 0x1404A;
    static constexpr uint8_t kPalette = kIdentityPalette;

    // The map as sheet indices (ROM byte Xor 0x80), cell (c, r) at c + 20 r.
    using Cells = std::array<uint8_t, kCells>;
    static constexpr int cellIndex(int column, int row) { return column + kColumns * row; }
    // The top-left pixel of sheet tile `tile` (0..255).
    static constexpr QPoint sheetCell(int tile) {
        return QPoint(kTile * (tile % 16), kTile * (tile / 16));
    }

    Picture sheet;  // the sheet, kSheetSize square
    Cells cells{};
    Picture mapPicture;  // kMapWidth × kMapHeight, each cell a copy of its sheet tile

    // Where the 4096 bytes of tiles lie: the cartridges of version 2 have them 7 bytes lower.
    static int32_t TilesOffset(uint8_t romVersion);

    // The file offset of cell (0, 0). The pointer is taken as the unsigned 16-bit address it
    // is, so a high byte of 0x80 or more gives an offset beyond bank 5 rather than a negative
    // one; the data are used as read.
    static int32_t MapBase(const RomFile& rom);

    // Reads and draws everything, as the window shows it on opening.
    static TitleScreen load(const RomFile& rom, uint8_t romVersion);

    // The 256 tiles as the ROM holds them, drawn as the sheet.
    static Picture LoadSheet(const RomFile& rom, uint8_t romVersion);
    // The map with every cell drawn from sheet.
    static Picture DrawMap(const Picture& sheet, const Cells& cells);

    // Copies sheet tile `tile` into cell (column, row) of map. What of the cell the sheet does
    // not cover (an imported picture smaller than the sheet) becomes white, the colour number
    // such parts are written as, so the map shows what the ROM will hold.
    static void PaintCell(Picture& map, const Picture& sheet, int tile, int column, int row);

    // Writes the 360 cells (single bytes, Xor 0x80) at the map pointer read from rom now;
    // the unseen ends of the rows and the rows below are left alone.
    static void WriteMap(RomFile& rom, const Cells& cells);

    // Encodes the sheet's top-left 128 × 128 pixels as the 256 tiles of the version's block.
    static void WriteTiles(RomFile& rom, uint8_t romVersion, const Picture& sheet);

    // The same at the level of bytes, for the title screen's document: the 4096 tile bytes as
    // stored, the sheet they draw, the bytes a picture encodes to (colours that are none of
    // the four greys, and what the picture does not cover, as colour 0), and the map's cells.
    static QByteArray ReadTiles(const RomFile& rom, uint8_t romVersion);
    static Picture DrawSheet(const QByteArray& tiles);
    static QByteArray EncodeSheet(const Picture& picture);
    static Cells ReadCells(const RomFile& rom);
};

}  // namespace zantor
