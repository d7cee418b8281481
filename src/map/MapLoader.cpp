#include "MapLoader.h"

#include <QImage>
#include <algorithm>
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

void DrawBlock(Picture& strip, const Picture& tileSheet, int block, const BlockQuarters& quarters) {
    for (int q = 0; q < 4; ++q) {
        const uint8_t t = quarters[size_t(q)];
        BitBlt(strip, kBlockPixels * block + 8 * (q % 2), 8 * (q / 2), 8, 8, tileSheet,
               (t & 15) * 8, (SheetCellOfTile(t) / 16) * 8);
    }
}

Picture RecolourTileSheet(const Picture& identitySheet, uint8_t palette) {
    const ShadePalette from = MakeShadePalette(kIdentityPalette);
    const ShadePalette to = MakeShadePalette(palette);
    if (from == to) {
        return identitySheet;
    }
    Picture sheet = identitySheet;
    for (int y = 0; y < sheet.height(); ++y) {
        uint32_t* line = sheet.scanLine(y);
        for (int x = 0; x < sheet.width(); ++x) {
            for (size_t n = 0; n < from.size(); ++n) {
                if ((line[x] & 0xFFFFFF) == from[n]) {
                    line[x] = 0xFF000000u | to[n];
                    break;
                }
            }
        }
    }
    return sheet;
}

Picture DrawBlockStrip(const Picture& tileSheet, const BlockTable& blocks) {
    // Every pixel is covered by a block, so the strip need not be cleared first.
    Picture strip(kBlockStripWidth, kBlockStripHeight, Picture::Uninitialized{});
    for (int b = 0; b < kBlockCount; ++b) {
        DrawBlock(strip, tileSheet, b, blocks[size_t(b)]);
    }
    strip.takeDirty();
    return strip;
}

Picture EnlargeBlockStrip(const Picture& strip) {
    Picture large(kStripWidth, kStripHeight, Picture::Uninitialized{});
    StretchBlt(large, 0, 0, kStripWidth, kStripHeight, strip, 0, 0, kBlockStripWidth,
               kBlockStripHeight);
    large.takeDirty();
    return large;
}

void DrawLevelArea(QImage& target, QPoint origin, const Picture& strip, const MapCells& cells) {
    // Row by row, each a run of copies of one 16-pixel block row clipped to the area. Every
    // pixel is covered by a cell, so the target need not be cleared first.
    const QRect area = QRect(origin, target.size()) & QRect(0, 0, kLevelWidth, kLevelHeight);
    if (area.isEmpty())
        return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uint8_t* row = &cells[size_t(y / kBlockPixels) * kMapColumns];
        const uint32_t* from = strip.constScanLine(y % kBlockPixels);
        auto* line = reinterpret_cast<uint32_t*>(target.scanLine(y - origin.y())) - origin.x();
        int x = area.left();
        while (x <= area.right()) {
            const int cellEnd = std::min((x / kBlockPixels + 1) * kBlockPixels, area.right() + 1);
            const uint32_t* block = from + (row[x / kBlockPixels] & 0x7F) * kBlockPixels;
            std::memcpy(line + x, block + x % kBlockPixels, size_t(cellEnd - x) * sizeof(uint32_t));
            x = cellEnd;
        }
    }
}

Picture DrawLevel(const Picture& strip, const MapCells& cells) {
    Picture level(kLevelWidth, kLevelHeight, Picture::Uninitialized{});
    QImage& image = level.image();
    DrawLevelArea(image, QPoint(0, 0), strip, cells);
    return level;
}

LoadedMap LoadMap(const RomFile& rom, int mapIndex) {
    LoadedMap map;
    map.mapIndex = mapIndex;
    map.headerOffset = HeaderOffset(rom, mapIndex);
    map.MapHeader = MapHeader::read(rom, map.headerOffset);
    map.RomVersion = ReadRomVersion(rom);

    map.rawTileSheet = DrawTileSheet(rom, mapIndex, map.RomVersion, kIdentityPalette);
    map.tileSheet = RecolourTileSheet(map.rawTileSheet, map.MapHeader.backgroundPalette());
    map.BlockSet = ReadBlockSet(rom, map.MapHeader.BlockDataOffset());
    map.blockStrip = DrawBlockStrip(map.tileSheet, map.BlockSet);

    const DecodedMap decoded = DecompressMap(rom, MapDataOffset(rom, map.MapHeader));
    map.MapBuffer = decoded.MapBuffer;
    map.CompressedLength = decoded.CompressedLength;
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
