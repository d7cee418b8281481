#include "TitleScreen.h"

#include "codec/RomFile.h"

namespace zantor {

int32_t TitleScreen::TilesOffset(uint8_t romVersion) {
    return romVersion == 2 ? 0x149DE : 0x149E5;
}

int32_t TitleScreen::MapBase(const RomFile& rom) {
    // High byte first, as the game's own loader reads it.
    const int32_t high = rom.ReadRomByte(kMapPointerOffset + 1);
    const int32_t low = rom.ReadRomByte(kMapPointerOffset);
    return 0x10000 + (high << 8 | low);
}

TitleScreen TitleScreen::load(const RomFile& rom, uint8_t romVersion) {
    TitleScreen screen;
    screen.sheet = LoadSheet(rom, romVersion);
    screen.cells = ReadCells(rom);
    screen.mapPicture = DrawMap(screen.sheet, screen.cells);
    return screen;
}

TitleScreen::Cells TitleScreen::ReadCells(const RomFile& rom) {
    Cells cells{};
    const int32_t base = MapBase(rom);
    for (int r = 0; r < kRows; ++r) {
        uint8_t row[kColumns];
        rom.ReadRomBytes(base + kRowStride * r, kColumns, row);
        for (int c = 0; c < kColumns; ++c)
            cells[size_t(cellIndex(c, r))] = row[c] ^ 0x80;
    }
    return cells;
}

QByteArray TitleScreen::ReadTiles(const RomFile& rom, uint8_t romVersion) {
    QByteArray tiles(kTileBytes, '\0');
    rom.ReadRomBytes(TilesOffset(romVersion), kTileBytes, reinterpret_cast<uint8_t*>(tiles.data()));
    return tiles;
}

Picture TitleScreen::DrawSheet(const QByteArray& tiles) {
    Picture sheet(kSheetSize, kSheetSize);
    DrawTilesFromRom(RomFile::fromBytes(tiles), 0, 15, 15, sheet, 0, 0, kPalette);
    return sheet;
}

QByteArray TitleScreen::EncodeSheet(const Picture& picture) {
    // The tile codec writes into an image; a scratch one of exactly the tiles' size, whose
    // "header" bytes are tile bytes like any other.
    RomFile scratch = RomFile::fromBytes(QByteArray(kTileBytes, '\0'));
    scratch.allowHeaderWrites();
    WriteTilesFromPicture(scratch, 0, 15, 15, picture, 0, 0, kPalette, 1);
    return scratch.bytes();
}

Picture TitleScreen::LoadSheet(const RomFile& rom, uint8_t romVersion) {
    Picture sheet(kSheetSize, kSheetSize);
    DrawTilesFromRom(rom, TilesOffset(romVersion), 15, 15, sheet, 0, 0, kPalette);
    return sheet;
}

Picture TitleScreen::DrawMap(const Picture& sheet, const Cells& cells) {
    Picture map(kMapWidth, kMapHeight);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            PaintCell(map, sheet, cells[size_t(cellIndex(c, r))], c, r);
        }
    }
    return map;
}

void TitleScreen::PaintCell(Picture& map, const Picture& sheet, int tile, int column, int row) {
    const QPoint from = sheetCell(tile);
    const int x = kTile * column;
    const int y = kTile * row;
    const bool covered = from.x() + kTile <= sheet.width() && from.y() + kTile <= sheet.height();
    if (!covered) {
        static const Picture blank(kTile, kTile, shade::kWhite);
        BitBlt(map, x, y, kTile, kTile, blank, 0, 0);
    }
    BitBlt(map, x, y, kTile, kTile, sheet, from.x(), from.y());
}

void TitleScreen::WriteMap(RomFile& rom, const Cells& cells) {
    const int32_t base = MapBase(rom);
    for (int r = 0; r < kRows; ++r) {
        char row[kColumns];
        for (int c = 0; c < kColumns; ++c) {
            row[c] = char(cells[size_t(cellIndex(c, r))] ^ 0x80);
        }
        rom.WriteRomBytes(base + kRowStride * r, row, kColumns);
    }
}

void TitleScreen::WriteTiles(RomFile& rom, uint8_t romVersion, const Picture& sheet) {
    WriteTilesFromPicture(rom, TilesOffset(romVersion), 15, 15, sheet, 0, 0, kPalette, 1);
}

}  // namespace zantor
