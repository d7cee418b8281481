#include "MapLoader.h"

#include <cstring>

#include "MapTable.h"
#include "TileSources.h"
#include "codec/RomFile.h"
#include "codec/TileCodec.h"

namespace zantor {

namespace {
constexpr int kBlockPixels = 16;
}

Picture DrawTileSheet(const RomFile& rom, int mapIndex, uint8_t romVersion, uint8_t palette) {
    const TileSources sources = ReadTileSources(rom, mapIndex, romVersion);
    Picture sheet(kSheetSize, kSheetSize);
    // Five runs; C1 (the first 8 tiles of group C) paints over the end of group B.
    DrawTilesFromRom(rom, sources.groupA, 15, 2, sheet, 0, 0, palette);
    DrawTilesFromRom(rom, sources.groupB, 15, 3, sheet, 0, 24, palette);
    DrawTilesFromRom(rom, sources.groupC, 7, 0, sheet, 64, 48, palette);
    DrawTilesFromRom(rom, sources.groupC + 0x80, 15, 2, sheet, 0, 56, palette);
    DrawTilesFromRom(rom, sources.groupD, 15, 5, sheet, 0, 80, palette);
    sheet.takeDirty();
    return sheet;
}

Picture DrawBlockStrip(const Picture& tileSheet, const BlockTable& blocks) {
    Picture strip(kStripWidth, kStripHeight);
    for (int b = 0; b < kBlockCount; ++b) {
        for (int cx = 0; cx < 2; ++cx) {
            for (int cy = 0; cy < 2; ++cy) {
                const uint8_t t = blocks[size_t(b)][size_t(2 * cy + cx)];
                BitBlt(strip, kBlockPixels * b + 8 * cx, 8 * cy, 8, 8, tileSheet, (t & 15) * 8,
                       (SheetCellOfTile(t) / 16) * 8);
            }
        }
    }
    strip.takeDirty();
    return strip;
}

Picture EnlargeBlockStrip(const Picture& strip) {
    Picture large(kStripWidth, kStripHeight, Picture::Uninitialized{});
    StretchBlt(large, 0, 0, kStripWidth, kStripHeight, strip, 0, 0, kStripWidth / 2,
               kStripHeight / 2);
    large.takeDirty();
    return large;
}

Picture DrawLevel(const Picture& strip, const MapCells& cells) {
    // Every pixel is covered by a cell, so the picture need not be cleared first. Rows are
    // written top to bottom, each as 256 copies of one 16-pixel block row.
    Picture level(kLevelWidth, kLevelHeight, Picture::Uninitialized{});
    constexpr size_t kRowBytes = kBlockPixels * sizeof(uint32_t);
    for (int y = 0; y < kMapRows; ++y) {
        const uint8_t* row = &cells[size_t(y) * kMapColumns];
        for (int r = 0; r < kBlockPixels; ++r) {
            const uint32_t* from = strip.constScanLine(r);
            uint32_t* line = level.scanLine(y * kBlockPixels + r);
            for (int x = 0; x < kMapColumns; ++x) {
                std::memcpy(line + x * kBlockPixels, from + (row[x] & 0x7F) * kBlockPixels,
                            kRowBytes);
            }
        }
    }
    return level;
}

LoadedMap LoadMap(const RomFile& rom, int mapIndex) {
    LoadedMap map;
    map.mapIndex = mapIndex;
    map.headerOffset = HeaderOffset(rom, mapIndex);
    map.label7Caption = Label7Caption(map.headerOffset);
    map.MapHeader = MapHeader::read(rom, map.headerOffset);
    map.RomVersion = ReadRomVersion(rom);

    map.picTiles = DrawTileSheet(rom, mapIndex, map.RomVersion, map.MapHeader.backgroundPalette());
    map.BlockSet = ReadBlockSet(rom, map.MapHeader.BlockDataOffset());
    map.Test = DrawBlockStrip(map.picTiles, map.BlockSet);
    map.picBlocks2 = EnlargeBlockStrip(map.Test);
    map.Picture2 = map.picBlocks2;  // shares pixels until one of them is drawn into

    DecodedMap decoded = DecompressMap(rom, MapDataOffset(rom, map.MapHeader));
    map.MapBuffer = decoded.MapBuffer;
    map.CompressedLength = decoded.CompressedLength;
    map.picMap = DrawLevel(map.Test, map.MapBuffer);
    map.picEvents2 = map.picMap;

    map.headerTexts = MakeHeaderFieldTexts(map.MapHeader);
    map.markerTop = map.MapHeader.startTop();
    map.markerLeft = map.MapHeader.startLeft();
    return map;
}

std::optional<LoadedMap> LoadMap(const QString& romPath, int mapIndex) {
    if (romPath.isEmpty()) {
        return std::nullopt;
    }
    const RomFile rom = RomFile::open(romPath);
    return LoadMap(rom, mapIndex);
}

}  // namespace zantor
