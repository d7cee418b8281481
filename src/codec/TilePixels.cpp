#include "TilePixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "TileCodec.h"
#include "base/Picture.h"

namespace zantor {

int TilePixel(const TileBytes& tile, int x, int y) {
    const int bit = 7 - x;
    return ((tile[size_t(2 * y)] >> bit) & 1) | (((tile[size_t(2 * y + 1)] >> bit) & 1) << 1);
}

void SetTilePixel(TileBytes& tile, int x, int y, int colour) {
    const uint8_t mask = uint8_t(0x80 >> x);
    uint8_t& lo = tile[size_t(2 * y)];
    uint8_t& hi = tile[size_t(2 * y + 1)];
    lo = uint8_t((lo & ~mask) | ((colour & 1) ? mask : 0));
    hi = uint8_t((hi & ~mask) | ((colour & 2) ? mask : 0));
}

TileBytes TileFromBytes(const char* bytes) {
    TileBytes tile;
    std::memcpy(tile.data(), bytes, tile.size());
    return tile;
}

void DrawTile(Picture& picture, int x, int y, const TileBytes& tile, uint8_t palette) {
    const ShadePalette shades = MakeShadePalette(palette);
    for (int row = 0; row < 8; ++row) {
        uint32_t* line = picture.scanLine(y + row) + x;
        for (int column = 0; column < 8; ++column)
            line[column] = 0xFF000000u | shades[size_t(TilePixel(tile, column, row))];
    }
    picture.markDirty(QRect(x, y, 8, 8));
}

TileBytes FlipTile(const TileBytes& tile, bool horizontally) {
    TileBytes flipped{};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int colour = horizontally ? TilePixel(tile, 7 - x, y) : TilePixel(tile, x, 7 - y);
            SetTilePixel(flipped, x, y, colour);
        }
    }
    return flipped;
}

TileBytes RotateTile(const TileBytes& tile) {
    TileBytes turned{};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            SetTilePixel(turned, x, y, TilePixel(tile, y, 7 - x));
    }
    return turned;
}

TileBytes FillTile(const TileBytes& tile, int x, int y, int colour) {
    TileBytes filled = tile;
    if (x < 0 || x > 7 || y < 0 || y > 7)
        return filled;
    const int from = TilePixel(tile, x, y);
    if (from == colour)
        return filled;
    int stack[64][2];
    int size = 0;
    SetTilePixel(filled, x, y, colour);
    stack[size][0] = x;
    stack[size++][1] = y;
    while (size > 0) {
        --size;
        const int px = stack[size][0];
        const int py = stack[size][1];
        const int next[4][2] = {{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[0] > 7 || n[1] < 0 || n[1] > 7 ||
                TilePixel(filled, n[0], n[1]) != from)
                continue;
            // Coloured as it is pushed, so no pixel is pushed twice: 64 places are enough.
            SetTilePixel(filled, n[0], n[1], colour);
            stack[size][0] = n[0];
            stack[size++][1] = n[1];
        }
    }
    return filled;
}

namespace {
void plot(TileBytes& tile, int x, int y, int colour) {
    if (x >= 0 && x < 8 && y >= 0 && y < 8)
        SetTilePixel(tile, x, y, colour);
}
}  // namespace

TileBytes DrawTileLine(const TileBytes& tile, int x0, int y0, int x1, int y1, int colour) {
    TileBytes drawn = tile;
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        const double f = steps == 0 ? 0.0 : double(i) / steps;
        plot(drawn, x0 + int(std::lround((x1 - x0) * f)), y0 + int(std::lround((y1 - y0) * f)),
             colour);
    }
    return drawn;
}

TileBytes DrawTileRectangle(const TileBytes& tile, int x0, int y0, int x1, int y1, int colour) {
    TileBytes drawn = tile;
    const int left = std::min(x0, x1), right = std::max(x0, x1);
    const int top = std::min(y0, y1), bottom = std::max(y0, y1);
    for (int x = left; x <= right; ++x) {
        plot(drawn, x, top, colour);
        plot(drawn, x, bottom, colour);
    }
    for (int y = top; y <= bottom; ++y) {
        plot(drawn, left, y, colour);
        plot(drawn, right, y, colour);
    }
    return drawn;
}

}  // namespace zantor
