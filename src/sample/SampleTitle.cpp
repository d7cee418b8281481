#include "SampleTitle.h"

#include <cstdlib>
#include <stdexcept>

#include "SampleBlocks.h"
#include "SampleFont.h"
#include "SampleTiles.h"

namespace zantor {
namespace {

constexpr int kScreenWidth = 8 * kTitleColumns;
constexpr int kScreenHeight = 8 * kTitleRows;

void DrawBorder(ShadeCanvas& screen) {
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const bool ring = x < 8 || y < 8 || x >= kScreenWidth - 8 || y >= kScreenHeight - 8;
            if (!ring) {
                continue;
            }
            const int d = std::abs(x % 8 * 2 - 7) + std::abs(y % 8 * 2 - 7);
            screen.set(x, y, d < 4 ? 3 : d < 7 ? 0 : 2);
        }
    }
    screen.frame(7, 7, kScreenWidth - 14, kScreenHeight - 14, 3);
    screen.frame(9, 9, kScreenWidth - 18, kScreenHeight - 18, 2);
}

// ZANTOR from the small font at four times its size: a black rim and drop shadow, a light
// face that darkens towards the foot, a white glint along each top edge.
void DrawBigTitle(ShadeCanvas& screen, const char* text, int x0, int y0) {
    constexpr int kScale = 4;
    constexpr int kAdvance = 6 * kScale - 1;
    auto lit = [&](int letter, int column, int row) {
        return GlyphPixel(text[letter], column, row);
    };
    auto forEachPixel = [&](auto&& draw) {
        for (int i = 0; text[i] != '\0'; ++i) {
            for (int row = 0; row < 7; ++row) {
                for (int column = 0; column < 5; ++column) {
                    if (lit(i, column, row)) {
                        draw(i, column, row, x0 + i * kAdvance + kScale * column,
                             y0 + kScale * row);
                    }
                }
            }
        }
    };
    forEachPixel([&](int, int, int, int x, int y) {
        screen.fillRect(x + 1, y + 2, kScale + 2, kScale + 2, 3);
    });
    forEachPixel([&](int, int, int, int x, int y) {
        screen.fillRect(x - 1, y - 1, kScale + 2, kScale + 2, 3);
    });
    forEachPixel([&](int i, int column, int row, int x, int y) {
        screen.fillRect(x, y, kScale, kScale, row < 4 ? 1 : 2);
        if (!lit(i, column, row - 1)) {
            screen.fillRect(x, y, kScale, 1, 0);
        }
    });
}

void DrawText(ShadeCanvas& screen, const char* text, int column, int row) {
    for (int i = 0; text[i] != '\0'; ++i) {
        DrawGlyph(screen, 8 * (column + i) + 1, 8 * row, text[i], 3);
    }
}

// A strip of the grassland along the foot of the screen.
void DrawLandscape(ShadeCanvas& screen) {
    using namespace block;
    const ShadeCanvas sheet = DrawThemeSheet(Theme::Grassland);
    const uint8_t things[9] = {Deco1, BushLeft,    Bush,         BushRight, Sky,
                               Deco2, PipeTopLeft, PipeTopRight, Deco3};
    for (int i = 0; i < 9; ++i) {
        DrawPictureBlock(screen, sheet, things[i], 8 + 16 * i, 104);
        DrawPictureBlock(screen, sheet, GroundTop, 8 + 16 * i, 120);
    }
}

}  // namespace

SampleTitle BuildSampleTitle() {
    ShadeCanvas screen(kScreenWidth, kScreenHeight);
    DrawBorder(screen);
    DrawBigTitle(screen, "ZANTOR", 12, 18);
    screen.fillRect(24, 58, 112, 1, 3);
    screen.fillRect(24, 60, 112, 1, 2);
    DrawText(screen, "LEVEL EDITOR", 4, 9);
    DrawText(screen, "SAMPLE CARTRIDGE", 2, 11);
    DrawLandscape(screen);

    SampleTitle title;
    // Tile 0 is blank and the font follows, so that text drawn on the screen finds its tiles
    // already there and the whole font is at hand in the title tiles.
    int count = 1;
    for (int i = 0; i < kSampleFontCount; ++i, ++count) {
        DrawGlyph(title.tiles, 8 * (count % 16) + 1, 8 * (count / 16), kSampleFontCharacters[i], 3);
    }
    title.map.fill(0x80);
    for (int row = 0; row < kTitleRows; ++row) {
        for (int column = 0; column < kTitleColumns; ++column) {
            int index = 0;
            while (index < count && !screen.sameTile(8 * column, 8 * row, title.tiles,
                                                     8 * (index % 16), 8 * (index / 16))) {
                ++index;
            }
            if (index == count) {
                if (count == 256) {
                    throw std::logic_error("The title screen needs more than 256 tiles");
                }
                title.tiles.blit(screen, 8 * column, 8 * row, 8, 8, 8 * (count % 16),
                                 8 * (count / 16));
                ++count;
            }
            title.map[size_t(kTitleMapStride * row + column)] = uint8_t(index ^ 0x80);
        }
    }
    return title;
}

}  // namespace zantor
