#include "TileCodec.h"

#include <QByteArray>
#include <array>
#include <cstring>
#include <vector>

#include "RomFile.h"
#include "base/Picture.h"

namespace zantor {

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

namespace {
// Four pixels for each pair of high and low plane nibbles, so that a tile row is two look-ups.
using NibblePixels = std::array<std::array<uint32_t, 4>, 256>;

// The table for a palette. Building it costs as much as decoding a few hundred tile rows, and a
// level's sheet is drawn in five runs of one palette, so the last table is kept (per thread).
const NibblePixels& NibblePixelsFor(uint8_t palette) {
    thread_local NibblePixels table;
    thread_local int tableFor = -1;
    if (tableFor != palette) {
        ShadePalette argb = MakeShadePalette(palette);
        for (auto& c : argb) {
            c |= 0xFF000000u;  // the picture's stored form
        }
        for (int hi = 0; hi < 16; ++hi) {
            for (int lo = 0; lo < 16; ++lo) {
                for (int i = 0; i < 4; ++i) {
                    const int bit = 3 - i;
                    table[size_t(hi << 4 | lo)][size_t(i)] =
                        argb[size_t((((hi >> bit) & 1) << 1) | ((lo >> bit) & 1))];
                }
            }
        }
        tableFor = palette;
    }
    return table;
}
}  // namespace

void DrawTilesFromRom(const RomFile& rom, int32_t start, int lastColumn, int lastRow,
                      Picture& picture, int originX, int originY, uint8_t palette) {
    const NibblePixels& fourPixels = NibblePixelsFor(palette);
    const int columns = lastColumn + 1;
    const int rows = lastRow + 1;
    std::vector<uint8_t> bytes(size_t(std::max(0, 16 * columns * rows)));
    rom.ReadRomBytes(start, int32_t(bytes.size()), bytes.data());

    // Rows are reached through one pointer and stride: QImage::scanLine() checks for sharing
    // on every call, and a load decodes some 4,000 tile rows.
    QImage& image = picture.image();
    const int width = image.width();
    const int height = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const uint8_t* pos = bytes.data();
    if (originX >= 0 && originY >= 0 && originX + 8 * columns <= width &&
        originY + 8 * rows <= height) {
        // Every tile inside the picture, as for a level's sheet: no clipping to test.
        for (int row = 0; row < rows; ++row) {
            uchar* tileRow = bits + (originY + 8 * row) * stride + originX * 4;
            for (int col = 0; col < columns; ++col) {
                uchar* at = tileRow + 32 * col;
                for (int r = 0; r < 8; ++r, pos += 2, at += stride) {
                    const uint8_t lo = pos[0];
                    const uint8_t hi = pos[1];
                    std::memcpy(at, fourPixels[size_t((hi & 0xF0) | lo >> 4)].data(), 16);
                    std::memcpy(at + 16, fourPixels[size_t((hi & 0x0F) << 4 | (lo & 0x0F))].data(),
                                16);
                }
            }
        }
        picture.markDirty(QRect(originX, originY, 8 * columns, 8 * rows));
        return;
    }
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const int x0 = originX + 8 * col;
            const int y0 = originY + 8 * row;
            const bool whole = x0 >= 0 && x0 + 8 <= width;
            for (int r = 0; r < 8; ++r, pos += 2) {
                const int y = y0 + r;
                if (y < 0 || y >= height) {
                    continue;
                }
                const uint8_t lo = pos[0];
                const uint8_t hi = pos[1];
                uint32_t pixels[8];
                std::memcpy(pixels, fourPixels[size_t((hi & 0xF0) | lo >> 4)].data(), 16);
                std::memcpy(pixels + 4, fourPixels[size_t((hi & 0x0F) << 4 | (lo & 0x0F))].data(),
                            16);
                auto* line = reinterpret_cast<uint32_t*>(bits + y * stride);
                if (whole) {
                    std::memcpy(line + x0, pixels, sizeof pixels);
                    continue;
                }
                for (int i = 0; i < 8; ++i) {
                    if (x0 + i >= 0 && x0 + i < width) {
                        line[x0 + i] = pixels[i];
                    }
                }
            }
        }
    }
    picture.markDirty(QRect(originX, originY, 8 * columns, 8 * rows));
}

void WriteTilesFromPicture(RomFile& rom, int32_t start, int lastColumn, int lastRow,
                           const Picture& picture, int originX, int originY, uint8_t palette,
                           uint8_t scale) {
    const ShadePalette c = MakeShadePalette(palette);
    const int width = picture.width();
    const int height = picture.height();
    // Encoded whole, then written in one go: a write a byte costs more than the encoding.
    QByteArray encoded;
    encoded.reserve(16 * (lastRow + 1) * (lastColumn + 1));
    for (int row = 0; row <= lastRow; ++row) {
        for (int col = 0; col <= lastColumn; ++col) {
            for (int r = 0; r < 8; ++r) {
                const int y = originY + scale * r + 8 * scale * row;
                const bool rowInside = y >= 0 && y < height;
                const uint32_t* line = rowInside ? picture.constScanLine(y) : nullptr;
                const int px0 = originX + 8 * scale * col;
                // The usual case, checked once a row rather than per pixel.
                const bool whole = line && px0 >= 0 && px0 + scale * 7 < width;
                uint8_t lo = 0;
                uint8_t hi = 0;
                for (int x = 0; x < 8; ++x) {
                    const int px = px0 + scale * x;
                    const uint32_t colour = (whole || (line && px >= 0 && px < width))
                                                ? (line[px] & 0xFFFFFF)
                                                : Picture::kInvalidColour;
                    const int number = ColourToShade(colour, c[0], c[1], c[2], c[3]);
                    lo |= uint8_t((number & 1) << (7 - x));
                    hi |= uint8_t(((number & 2) >> 1) << (7 - x));
                }
                encoded.append(char(lo));
                encoded.append(char(hi));
            }
        }
    }
    rom.WriteRomBytes(start, encoded.constData(), int32_t(encoded.size()));
}

}  // namespace zantor
