#include "LiteralLoad.h"

#include <QPainter>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "codec/TileCodec.h"
#include "map/BlockSet.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/TileSources.h"

namespace zantor {

namespace {
// BitBlt as a line-by-line port writes it: a painter on the destination for each call.
void literalBitBlt(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy) {
    QPainter painter(&dst);
    painter.drawImage(QPoint(x, y), src, QRect(sx, sy, w, h));
}

void literalTiles(const RomFile& rom, int32_t start, int lastColumn, int lastRow, QImage& picture,
                  int originX, int originY, uint8_t palette) {
    const uint32_t c[4] = {ShadeColour(palette, 0), ShadeColour(palette, 1),
                           ShadeColour(palette, 2), ShadeColour(palette, 3)};
    int32_t pos = start;
    for (int row = 0; row <= lastRow; ++row)
        for (int col = 0; col <= lastColumn; ++col)
            for (int r = 0; r < 8; ++r) {
                const QString lo =
                    (QString("00000000") + ToBinaryText(rom.ReadRomByte(pos))).right(8);
                const QString hi =
                    (QString("00000000") + ToBinaryText(rom.ReadRomByte(pos + 1))).right(8);
                pos += 2;
                for (int i = 0; i < 8; ++i) {
                    const int number = 2 * hi[i].digitValue() + lo[i].digitValue();
                    picture.setPixel(originX + 8 * col + i, originY + 8 * row + r,
                                     0xFF000000u | c[number]);
                }
            }
}
}  // namespace

LiteralLoadResult LiteralLoad(const RomFile& rom, int mapIndex) {
    LiteralLoadResult out;
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, mapIndex));
    const uint8_t version = ReadRomVersion(rom);
    const TileSources s = ReadTileSources(rom, mapIndex, version);
    const uint8_t palette = header.backgroundPalette();
    out.tiles = QImage(128, 128, QImage::Format_RGB32);
    literalTiles(rom, s.groupA, 15, 2, out.tiles, 0, 0, palette);
    literalTiles(rom, s.groupB, 15, 3, out.tiles, 0, 24, palette);
    literalTiles(rom, s.groupC, 7, 0, out.tiles, 64, 48, palette);
    literalTiles(rom, s.groupC + 0x80, 15, 2, out.tiles, 0, 56, palette);
    literalTiles(rom, s.groupD, 15, 5, out.tiles, 0, 80, palette);

    const BlockTable blocks = ReadBlockSet(rom, header.BlockDataOffset());
    out.strip2x = QImage(4096, 32, QImage::Format_RGB32);
    for (int b = 0; b < 128; ++b)
        for (int cx = 0; cx < 2; ++cx)
            for (int cy = 0; cy < 2; ++cy) {
                const uint8_t t = blocks[size_t(b)][size_t(2 * cy + cx)];
                literalBitBlt(out.strip2x, 16 * b + 8 * cx, 8 * cy, 8, 8, out.tiles, (t & 15) * 8,
                              ((t ^ 0x80) / 16) * 8);
            }
    out.strip = QImage(4096, 32, QImage::Format_RGB32);
    literalBitBlt(out.strip, 0, 0, 2048, 16, out.strip2x, 0, 0);
    {
        QPainter p(&out.strip2x);
        p.drawImage(QRect(0, 0, 4096, 32), out.strip, QRect(0, 0, 2048, 16));
    }
    const MapCells cells = DecompressMap(rom, MapDataOffset(rom, header)).MapBuffer;
    out.level = QImage(4096, 768, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 256; ++x)
            literalBitBlt(out.level, 16 * x, 16 * y, 16, 16, out.strip,
                          16 * cells[size_t(256 * y + x)], 0);
    out.events = QImage(4096, 768, QImage::Format_RGB32);
    literalBitBlt(out.events, 0, 0, 4096, 768, out.level, 0, 0);
    return out;
}

}  // namespace zantor
