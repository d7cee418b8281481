#include "LiteralLoad.h"

#include <QFile>
#include <QPainter>

#include "codec/MapCodec.h"
#include "codec/TileCodec.h"
#include "map/BlockSet.h"
#include "map/TileSources.h"

namespace zantor {

namespace {
// The file as a line-by-line port reads it: one byte per call at an explicit position, with
// no caching or read-ahead.
class LiteralRom {
public:
    explicit LiteralRom(const QString& path) : file_(path) {
        file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    uint8_t ReadRomByte(int32_t offset) {
        char byte = 0;
        file_.seek(offset);
        return file_.getChar(&byte) ? uint8_t(byte) : 0;
    }
    int32_t ReadBankPointer(int32_t offset, uint8_t bank) {
        const int lo = ReadRomByte(offset);
        const int hi = ReadRomByte(offset + 1);
        return bank * 0x4000 + lo + hi * 256 - 0x4000;
    }
    int32_t ReadFarPointer(int32_t offset) {
        const int hi = ReadRomByte(offset + 3) & 0x7F;
        const int bank = ReadRomByte(offset);
        const int lo = ReadRomByte(offset + 2);
        return bank * 0x4000 + lo + hi * 256 - 0x4000;
    }

private:
    QFile file_;
};

// The binary digits of a byte, most significant first, no leading zeros ("0" for 0).
QString binaryText(int32_t value) {
    QString text;
    int32_t v = value;
    do {
        text.prepend(QString::number(v % 2));
        v /= 2;
    } while (v != 0);
    return text;
}

MapCells literalDecompress(LiteralRom& rom, int32_t offset) {
    MapCells cells{};
    int32_t p = offset;
    int i = 0;
    while (i < kMapCells) {
        const uint8_t c = rom.ReadRomByte(p++);
        if (c < 0x80) {
            cells[size_t(i++)] = c;
            continue;
        }
        const uint8_t n = rom.ReadRomByte(p++);
        int written = 0;
        do {
            cells[size_t(i++)] = c & 0x7F;
            ++written;
        } while (i < kMapCells && i % kMapColumns != 0 && (n == 0 || written < n + 1));
    }
    return cells;
}

// BitBlt as a line-by-line port writes it: a painter on the destination for each call.
void literalBitBlt(QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy) {
    QPainter painter(&dst);
    painter.drawImage(QPoint(x, y), src, QRect(sx, sy, w, h));
}

void literalTiles(LiteralRom& rom, int32_t start, int lastColumn, int lastRow, QImage& picture,
                  int originX, int originY, uint8_t palette) {
    const uint32_t c[4] = {ShadeColour(palette, 0), ShadeColour(palette, 1),
                           ShadeColour(palette, 2), ShadeColour(palette, 3)};
    int32_t pos = start;
    for (int row = 0; row <= lastRow; ++row)
        for (int col = 0; col <= lastColumn; ++col)
            for (int r = 0; r < 8; ++r) {
                const QString lo =
                    (QString("00000000") + binaryText(rom.ReadRomByte(pos))).right(8);
                const QString hi =
                    (QString("00000000") + binaryText(rom.ReadRomByte(pos + 1))).right(8);
                pos += 2;
                for (int i = 0; i < 8; ++i) {
                    const int number = 2 * hi[i].digitValue() + lo[i].digitValue();
                    picture.setPixel(originX + 8 * col + i, originY + 8 * row + r,
                                     0xFF000000u | c[number]);
                }
            }
}
}  // namespace

LiteralLoadResult LiteralLoad(const QString& romPath, int mapIndex) {
    LiteralLoadResult out;
    LiteralRom rom(romPath);
    const int32_t headerOffset = rom.ReadBankPointer(0x55CB + 2 * mapIndex, 1);
    uint8_t header[20];
    for (int k = 0; k < 20; ++k)
        header[k] = rom.ReadRomByte(headerOffset + k);
    const uint8_t version = rom.ReadRomByte(0x14C);
    const TileSourceTables tables = TileSourceTablesFor(version);
    const int n = rom.ReadRomByte(tables.tileSetBytes + mapIndex) >> 4;
    TileSources s;
    s.groupA = kTileGroupABase + kTileGroupAStride * n;
    s.groupB = rom.ReadFarPointer(tables.groupB + 4 * mapIndex);
    s.groupC = rom.ReadBankPointer(tables.groupC + 2 * n, 7);
    s.groupD = rom.ReadFarPointer(tables.groupD + 4 * mapIndex);
    const uint8_t palette = header[15];
    out.tiles = QImage(128, 128, QImage::Format_RGB32);
    literalTiles(rom, s.groupA, 15, 2, out.tiles, 0, 0, palette);
    literalTiles(rom, s.groupB, 15, 3, out.tiles, 0, 24, palette);
    literalTiles(rom, s.groupC, 7, 0, out.tiles, 64, 48, palette);
    literalTiles(rom, s.groupC + 0x80, 15, 2, out.tiles, 0, 56, palette);
    literalTiles(rom, s.groupD, 15, 5, out.tiles, 0, 80, palette);

    BlockTable blocks{};
    const int32_t blockData = 0x1C000 + header[11] + 256 * header[12];
    for (int b = 0; b < kBlockCount; ++b)
        for (int q = 0; q < 4; ++q)
            blocks[size_t(b)][size_t(q)] = rom.ReadRomByte(blockData + 4 * b + q);
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
    const uint8_t bank = header[13];
    const MapCells cells =
        literalDecompress(rom, rom.ReadBankPointer(bank * 0x4000 + 0x2F0 + 2 * header[18], bank));
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
