#include "TilePixels.h"

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

}  // namespace zantor
