#include "TileCodec.h"

#include "RomFile.h"
#include "base/Picture.h"

namespace zantor {

QString ToBinaryText(int32_t value) {
    QString text;
    int32_t v = value;
    do {
        const int32_t digit = v % 2;  // keeps the sign of v, as the original arithmetic does
        text.prepend(QString::number(digit));
        v /= 2;
    } while (v != 0);
    return text;
}

uint32_t ShadeColour(uint8_t palette, int32_t n) {
    const int32_t shift = 2 * n;
    const int32_t mask = 3 << shift;
    return shade::kColours[size_t((palette & mask) >> shift)];
}

int16_t ColourToShade(uint32_t colour, uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3) {
    if (colour == c0)
        return 0;
    if (colour == c1)
        return 1;
    if (colour == c2)
        return 2;
    if (colour == c3)
        return 3;
    return 0;
}

ShadePalette MakeShadePalette(uint8_t palette) {
    return {ShadeColour(palette, 0), ShadeColour(palette, 1), ShadeColour(palette, 2),
            ShadeColour(palette, 3)};
}

void DrawTilesFromRom(const RomFile& rom, int32_t start, int lastColumn, int lastRow,
                      Picture& picture, int originX, int originY, uint8_t palette) {
    ShadePalette argb = MakeShadePalette(palette);
    for (auto& c : argb) {
        c |= 0xFF000000u;  // the picture's stored form
    }
    const int width = picture.width();
    const int height = picture.height();
    int32_t pos = start;
    for (int row = 0; row <= lastRow; ++row) {
        for (int col = 0; col <= lastColumn; ++col) {
            const int x0 = originX + 8 * col;
            const int y0 = originY + 8 * row;
            const bool whole = x0 >= 0 && x0 + 8 <= width;
            for (int r = 0; r < 8; ++r, pos += 2) {
                const uint8_t lo = rom.ReadRomByte(pos);
                const uint8_t hi = rom.ReadRomByte(pos + 1);
                const int y = y0 + r;
                if (y < 0 || y >= height) {
                    continue;
                }
                uint32_t* line = picture.scanLine(y);
                for (int i = 0; i < 8; ++i) {
                    if (!whole && (x0 + i < 0 || x0 + i >= width)) {
                        continue;
                    }
                    const int bit = 7 - i;
                    line[x0 + i] = argb[size_t((((hi >> bit) & 1) << 1) | ((lo >> bit) & 1))];
                }
            }
        }
    }
    picture.markDirty(QRect(originX, originY, 8 * (lastColumn + 1), 8 * (lastRow + 1)));
}

void WriteTilesFromPicture(RomFile& rom, int32_t start, int lastColumn, int lastRow,
                           const Picture& picture, int originX, int originY, uint8_t palette,
                           uint8_t scale) {
    const ShadePalette c = MakeShadePalette(palette);
    int32_t pos = start;
    for (int row = 0; row <= lastRow; ++row) {
        for (int col = 0; col <= lastColumn; ++col) {
            for (int r = 0; r < 8; ++r) {
                const int y = originY + scale * r + 8 * scale * row;
                const bool rowInside = y >= 0 && y < picture.height();
                const uint32_t* line = rowInside ? picture.constScanLine(y) : nullptr;
                uint8_t lo = 0;
                uint8_t hi = 0;
                for (int x = 0; x < 8; ++x) {
                    const int px = originX + scale * x + 8 * scale * col;
                    const uint32_t colour = (line && px >= 0 && px < picture.width())
                                                ? (line[px] & 0xFFFFFF)
                                                : Picture::kInvalidColour;
                    const int number = ColourToShade(colour, c[0], c[1], c[2], c[3]);
                    lo |= uint8_t((number & 1) << (7 - x));
                    hi |= uint8_t(((number & 2) >> 1) << (7 - x));
                }
                rom.WriteRomByte(pos, lo);
                rom.WriteRomByte(pos + 1, hi);
                pos += 2;
            }
        }
    }
}

}  // namespace zantor
