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

Picture RecolourTileSheet(const Picture& identitySheet, uint8_t palette) {
    const ShadePalette from = MakeShadePalette(kIdentityPalette);
    const ShadePalette to = MakeShadePalette(palette);
    if (from == to) {
        return identitySheet;
    }
    // The four shades are greys of distinct levels, so a pixel's blue byte tells its shade:
    // one table look-up a pixel.
    std::array<uint32_t, 256> map{};
    std::array<bool, 256> known{};
    for (size_t n = 0; n < from.size(); ++n) {
        map[from[n] & 0xFF] = 0xFF000000u | to[n];
        known[from[n] & 0xFF] = true;
    }
    Picture sheet = identitySheet;
    QImage& image = sheet.image();
    const int width = image.width();
    const int height = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(bits + y * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t blue = line[x] & 0xFF;
            if (known[blue])
                line[x] = map[blue];
        }
    }
    return sheet;
}

void DrawBlock(Picture& strip, const Picture& tileSheet, int block, const BlockQuarters& quarters) {
    // Row by row straight between the two images: 4 quarters × 8 rows of 8 pixels.
    QImage& target = strip.image();
    const QImage& sheet = tileSheet.image();
    uchar* to = target.bits();
    const uchar* from = sheet.constBits();
    const qsizetype toStride = target.bytesPerLine();
    const qsizetype fromStride = sheet.bytesPerLine();
    for (int q = 0; q < 4; ++q) {
        const uint8_t t = quarters[size_t(q)];
        const int sx = (t & 15) * 8;
        const int sy = (SheetCellOfTile(t) / 16) * 8;
        const int dx = kBlockPixels * block + 8 * (q % 2);
        const int dy = 8 * (q / 2);
        for (int row = 0; row < 8; ++row) {
            std::memcpy(to + (dy + row) * toStride + dx * 4,
                        from + (sy + row) * fromStride + sx * 4, 8 * sizeof(uint32_t));
        }
    }
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
    // Rows through one pointer and stride each: QImage::scanLine() checks for sharing on every
    // call, and a scroll step paints a strip a few pixels wide and hundreds of rows tall.
    uchar* const to = target.bits();
    const qsizetype toStride = target.bytesPerLine();
    const uchar* const sheet = strip.image().constBits();
    const qsizetype sheetStride = strip.image().bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uint8_t* row = &cells[size_t(y / kBlockPixels) * kMapColumns];
        const auto* from =
            reinterpret_cast<const uint32_t*>(sheet + (y % kBlockPixels) * sheetStride);
        auto* line = reinterpret_cast<uint32_t*>(to + (y - origin.y()) * toStride) - origin.x();
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
    map.header = MapHeader::read(rom, map.headerOffset);
    map.romVersion = ReadRomVersion(rom);

    map.tileSources = ReadTileSources(rom, mapIndex, map.romVersion);
    map.rawTileSheet = DrawTileSheet(rom, mapIndex, map.romVersion, kIdentityPalette);
    // Decoding the sheet again in the level's palette costs less than recolouring a copy.
    const uint8_t palette = map.header.backgroundPalette();
    map.tileSheet = MakeShadePalette(palette) == MakeShadePalette(kIdentityPalette)
                        ? map.rawTileSheet
                        : DrawTileSheet(rom, mapIndex, map.romVersion, palette);
    map.blocks = ReadBlockSet(rom, map.header.BlockDataOffset());
    map.blockStrip = DrawBlockStrip(map.tileSheet, map.blocks);

    const DecodedMap decoded = DecompressMap(rom, MapDataOffset(rom, map.header));
    map.cells = decoded.cells;
    map.CompressedLength = decoded.CompressedLength;
    return map;
}

}  // namespace zantor
