#include "SampleTiles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "SampleBlocks.h"
#include "SampleDecorations.h"
#include "SampleFont.h"
#include "SampleShapes.h"

namespace zantor {
namespace {

static_assert(kPatternFirstCell + block::kPatternCount == 256, "the patterns end the sheet");
static_assert(PictureCell(block::PictureCount) == kFontFirstCell, "the font follows the pictures");

// Draws one theme's sheet. Negative themes are drawn like the others, as if on a white sky,
// and inverted at the end; their terrain shades are chosen with that in mind.
class ThemePainter {
public:
    explicit ThemePainter(Theme theme) : theme_(theme), sky_(makeSky()), sheet_(128, 128) {}

    ShadeCanvas paint();

private:
    bool is(Theme t) const { return theme_ == t; }
    ShadeCanvas makeSky() const;
    void put(int picture, const ShadeCanvas& art, int sx = 0, int sy = 0);

    ShadeCanvas fill() const;
    ShadeCanvas top() const;
    int surfaceRow(int x) const;
    ShadeCanvas withEdge(ShadeCanvas c, bool left, bool corner) const;
    ShadeCanvas hill(int kind) const;
    ShadeCanvas brick() const;
    ShadeCanvas box(uint8_t body, bool mark) const;
    ShadeCanvas solid() const;
    ShadeCanvas coin() const;
    ShadeCanvas pipe(bool withRim) const;
    ShadeCanvas platform() const;
    ShadeCanvas cloud() const;
    ShadeCanvas bush() const;
    ShadeCanvas hazardTop() const;
    ShadeCanvas hazardFill() const;
    ShadeCanvas trunk() const;
    ShadeCanvas fence() const;
    ShadeCanvas poleTop() const;
    ShadeCanvas pole() const;
    ShadeCanvas flag() const;
    ShadeCanvas heart() const;
    void fontAndPatterns();

    Theme theme_;
    ShadeCanvas sky_;
    ShadeCanvas sheet_;
};

ShadeCanvas ThemePainter::makeSky() const {
    ShadeCanvas c(16, 16, is(Theme::Castle) ? 1 : 0);
    switch (theme_) {
        case Theme::Sea:
            c.art(3, 10, {"+  ++", " ++  "});
            break;
        case Theme::Space:  // one faint star; the bright ones are placed in the level
            c.set(11, 5, 1);
            break;
        case Theme::Spooky:
            c.set(11, 3, 2);
            break;
        case Theme::Giant:
            c.set(4, 4, 1);
            c.set(12, 12, 1);
            break;
        default:
            break;
    }
    return c;
}

void ThemePainter::put(int picture, const ShadeCanvas& art, int sx, int sy) {
    const int cell = PictureCell(picture);
    sheet_.blit(art, sx, sy, 16, 16, 8 * (cell % 16), 8 * (cell / 16));
}

// The ground's inside, a seamless 16 × 16 texture.
ShadeCanvas ThemePainter::fill() const {
    ShadeCanvas c(16, 16, 1);
    switch (theme_) {
        case Theme::Grassland:
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const uint32_t h = TextureNoise(x, y, 1) % 23;
                    c.set(x, y, h == 0 ? 2 : h == 1 ? 0 : 1);
                }
            }
            c.ellipse(4.5, 5.5, 2, 1.3, 2);
            c.set(4, 5, 0);
            c.ellipse(11.5, 12.5, 1.6, 1.1, 2);
            break;
        case Theme::Forest:  // bark
            for (int x : {2, 7, 12}) {
                for (int y = 0; y < 16; ++y) {
                    const int wobble = (y / 4 + x) % 2;
                    c.set(x + wobble, y, 3);
                    c.set(x + wobble + 1, y, 2);
                    if (TextureNoise(x, y, 2) % 3 == 0) {
                        c.set(x + wobble + 3, y, 0);
                    }
                }
            }
            break;
        case Theme::Spooky:  // inverted: dark soil with pale cracks
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    c.set(x, y, TextureNoise(x, y, 4) % 29 == 0 ? 2 : 1);
                }
            }
            c.line(2, 3, 5, 6, 2);
            c.line(5, 6, 4, 10, 2);
            c.line(10, 1, 12, 5, 2);
            c.line(12, 5, 15, 6, 2);
            c.line(9, 12, 12, 14, 2);
            break;
        case Theme::Castle:
            c.fillRect(0, 0, 16, 16, 2);
            for (int course = 0; course < 2; ++course) {
                const int y0 = 8 * course;
                const int joint = course == 0 ? 15 : 7;
                c.fillRect(0, y0 + 7, 16, 1, 3);
                c.fillRect(joint, y0, 1, 7, 3);
                c.fillRect(0, y0, 16, 1, 1);
                c.fillRect((joint + 1) % 16, y0, 1, 7, 1);
            }
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    if (c.at(x, y) == 2 && TextureNoise(x, y, 5) % 17 == 0) {
                        c.set(x, y, 1);
                    }
                }
            }
            break;
        case Theme::Sea:
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const uint32_t h = TextureNoise(x, y, 6) % 13;
                    c.set(x, y, h == 0 ? 2 : h == 1 ? 0 : 1);
                }
            }
            c.art(2, 5, {"*  *", " ** "});
            c.art(9, 12, {"*  *", " ** "});
            break;
        case Theme::Sky:
            c.fillRect(0, 0, 16, 16, 0);
            c.art(2, 4, {"+   +", " +++ "});
            c.art(9, 11, {"+   +", " +++ "});
            break;
        case Theme::Space:  // inverted: light moon rock with dark craters
            c.fillRect(0, 0, 16, 16, 2);
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    if (TextureNoise(x, y, 7) % 19 == 0) {
                        c.set(x, y, 1);
                    }
                }
            }
            c.ellipse(5, 6, 3.2, 2.4, 3);
            c.ellipse(5, 5.6, 2.6, 1.8, 1);
            c.ellipse(12, 13, 2.2, 1.6, 3);
            c.ellipse(12, 12.7, 1.6, 1.1, 1);
            break;
        case Theme::Giant:
            for (int y : {3, 11}) {
                for (int x = 0; x < 16; ++x) {
                    c.set(x, y + int(std::lround(std::sin(x * kPi / 8))), 2);
                }
            }
            c.fillRect(0, 7, 16, 1, 3);
            c.fillRect(0, 15, 16, 1, 3);
            c.fillRect(11, 0, 1, 7, 3);
            c.fillRect(3, 8, 1, 7, 3);
            c.ellipse(7.5, 12, 1.8, 1.2, 2);
            break;
    }
    return c;
}

int ThemePainter::surfaceRow(int x) const {
    switch (theme_) {
        case Theme::Grassland:
            return 2;
        case Theme::Spooky:
            return 3;
        case Theme::Sea:
            return 1 + int(std::lround(std::sin(2 * kPi * x / 16)));
        case Theme::Sky:
            return int(std::lround(3 - 3 * std::abs(std::sin(kPi * (x + 0.5) / 8))));
        case Theme::Space:
            return int(TextureNoise(x / 2, 0, 5) % 2);
        default:
            return 0;
    }
}

// The ground's top: the fill with the theme's surface over it.
ShadeCanvas ThemePainter::top() const {
    ShadeCanvas c = fill();
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < surfaceRow(x); ++y) {
            c.set(x, y, sky_.at(x, y));
        }
    }
    switch (theme_) {
        case Theme::Grassland:
            // A dark band of grass with blades sticking up and roots hanging into the soil.
            for (int x = 0; x < 16; ++x) {
                const int depth = 7 + int(TextureNoise(x, 0, 2) % 2);
                c.fillRect(x, 2, 1, depth - 1, 2);
                c.set(x, 2, 3);
                if (x % 4 == 1) {
                    c.set(x, 1, 3);
                    c.set(x + 1, x % 8 == 1 ? 0 : 1, 3);
                }
                if (x % 3 != 0) {
                    c.set(x, 3, 1);
                }
                if (x % 5 == 2) {
                    c.set(x, 5, 1);
                    c.set(x + 1, 6, 1);
                }
                if (TextureNoise(x, 9, 2) % 3 != 0) {
                    c.set(x, depth + 1, 3);
                }
                if (x % 6 == 4) {
                    c.set(x, depth + 2, 3);
                }
            }
            break;
        case Theme::Forest:
            c.fillRect(0, 0, 16, 1, 3);
            c.fillRect(0, 1, 16, 3, 1);
            c.fillRect(0, 4, 16, 1, 3);
            for (int x = 1; x < 16; x += 5) {
                c.set(x, 2, 0);
                c.set(x + 2, 5, 3);
                c.set(x + 2, 6, 3);
            }
            break;
        case Theme::Spooky:
            c.fillRect(0, 3, 16, 1, 3);
            for (int x : {1, 4, 5, 9, 13, 14}) {
                const int lean = x % 2 == 0 ? 1 : -1;
                c.line(x, 3, x + lean, 3 - 1 - int(TextureNoise(x, 1, 4) % 3), 3);
            }
            break;
        case Theme::Castle:
            c.fillRect(0, 0, 16, 1, 3);
            c.fillRect(0, 1, 16, 1, 0);
            c.fillRect(0, 2, 16, 4, 1);
            c.fillRect(0, 6, 16, 1, 2);
            c.fillRect(0, 7, 16, 1, 3);
            c.fillRect(15, 0, 1, 8, 3);
            c.fillRect(0, 1, 1, 6, 0);
            break;
        case Theme::Sea:
        case Theme::Sky:
        case Theme::Space:
            for (int x = 0; x < 16; ++x) {
                c.set(x, surfaceRow(x), 3);
                c.set(x, surfaceRow(x) + 1, is(Theme::Space) ? 1 : 0);
            }
            break;
        case Theme::Giant:
            c.fillRect(0, 0, 16, 1, 3);
            c.fillRect(0, 1, 16, 2, 0);
            c.fillRect(0, 3, 16, 1, 2);
            break;
    }
    return c;
}

// The ground where it ends on the left or right: a rim down the side, rounded at the top.
ShadeCanvas ThemePainter::withEdge(ShadeCanvas c, bool left, bool corner) const {
    const int outer = left ? 0 : 15;
    const int inner = left ? 1 : 14;
    const int step = left ? 1 : -1;
    const uint8_t side = left ? uint8_t(std::max(0, c.at(8, 12) - 1)) : uint8_t(2);
    int from = 0;
    if (corner) {
        // A quarter circle of radius 3 cut out of the corner.
        for (int i = 0; i < 3; ++i) {
            const int x = outer + step * i;
            const int s = surfaceRow(x);
            for (int y = 0; y < s + 2 - i; ++y) {
                c.set(x, y, sky_.at(x, y));
            }
            c.set(x, s + 2 - i, 3);
        }
        from = surfaceRow(outer) + 2;
    }
    for (int y = from; y < 16; ++y) {
        c.set(outer, y, 3);
        if (y > from) {
            c.set(inner, y, side);
        }
    }
    return c;
}

// Background hills: 0 the rising slope, 1 the falling one, 2 a flat top, 3 the inside.
ShadeCanvas ThemePainter::hill(int kind) const {
    ShadeCanvas c = sky_;
    const uint8_t body = is(Theme::Castle) ? 2 : 1;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int edge = kind == 0 ? 15 - x : kind == 1 ? x : kind == 2 ? 0 : -9;
            if (y < edge) {
                continue;
            }
            uint8_t s = body;
            if (y <= edge + 1) {
                s = 3;
            } else if (TextureNoise(x, y, 8 + kind) % 31 == 0) {
                s = uint8_t(body + 1);
            }
            c.set(x, y, s);
        }
    }
    if (kind == 3) {
        c.ellipse(5, 10, 1.6, 1.2, uint8_t(body + 1));
        c.ellipse(11.5, 4.5, 1.4, 1.0, uint8_t(body + 1));
    }
    return c;
}

ShadeCanvas ThemePainter::brick() const {
    const uint8_t body = is(Theme::Sea) ? 1 : 2;
    ShadeCanvas c(16, 16, body);
    for (int course = 0; course < 4; ++course) {
        const int y0 = 4 * course;
        c.fillRect(0, y0 + 3, 16, 1, 3);
        c.fillRect(0, y0, 16, 1, uint8_t(body - 1));
        for (int joint : course % 2 == 0 ? std::array<int, 2>{7, 15} : std::array<int, 2>{3, 11}) {
            c.fillRect(joint, y0, 1, 3, 3);
        }
    }
    return c;
}

// A riveted box; `mark` puts a bold question mark on it.
ShadeCanvas ThemePainter::box(uint8_t body, bool mark) const {
    ShadeCanvas c(16, 16, body);
    c.frame(0, 0, 16, 16, 3);
    c.fillRect(1, 1, 14, 1, uint8_t(std::max(0, body - 1)));
    c.fillRect(1, 1, 1, 14, uint8_t(std::max(0, body - 1)));
    c.fillRect(1, 14, 14, 1, uint8_t(std::min(3, body + 1)));
    c.fillRect(14, 1, 1, 14, uint8_t(std::min(3, body + 1)));
    for (int x : {3, 12}) {
        for (int y : {3, 12}) {
            c.set(x, y, 3);
        }
    }
    if (mark) {
        DrawGlyph(c, 6, 5, '?', 0);
        DrawGlyph(c, 5, 4, '?', 3);
        DrawGlyph(c, 6, 4, '?', 3);
    }
    return c;
}

ShadeCanvas ThemePainter::solid() const {
    ShadeCanvas c(16, 16, 1);
    for (int y = 1; y < 15; ++y) {
        for (int x = 1; x < 15; ++x) {
            if (x < 3 || y < 3) {
                c.set(x, y, x + y < 16 ? 0 : 2);
            }
            if (x > 12 || y > 12) {
                c.set(x, y, x + y < 16 ? 0 : 2);
            }
        }
    }
    c.frame(0, 0, 16, 16, 3);
    c.frame(3, 3, 10, 10, 2);
    return c;
}

ShadeCanvas ThemePainter::coin() const {
    ShadeCanvas c = sky_;
    OutlinedEllipse(c, 8, 8, 5.5, 7.2, 1);
    c.fillRect(7, 4, 2, 8, 2);
    c.set(7, 4, 3);
    c.set(8, 11, 3);
    c.fillRect(5, 4, 1, 3, 0);
    c.set(6, 3, 0);
    return c;
}

// A pipe, 32 pixels wide: the rim (top part) or the straight part.
ShadeCanvas ThemePainter::pipe(bool withRim) const {
    ShadeCanvas c = TiledSky(sky_, 32, 16);
    auto profile = [](int x, int left, int right) -> uint8_t {
        const int width = right - left;
        const int i = x - left;
        if (i <= 0 || i >= width) {
            return 3;
        }
        if (i == 1)
            return 1;
        if (i < 5)
            return 0;
        if (i < width * 2 / 3)
            return 1;
        if (i < width - 2)
            return 2;
        return (x % 2) ? 3 : 2;
    };
    const int bodyFrom = withRim ? 8 : 0;
    for (int y = bodyFrom; y < 16; ++y) {
        for (int x = 2; x <= 29; ++x) {
            c.set(x, y, profile(x, 2, 29));
        }
    }
    if (withRim) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 32; ++x) {
                c.set(x, y, y == 0 || y == 7 ? 3 : profile(x, 0, 31));
            }
        }
        c.fillRect(2, 8, 28, 1, 2);
    }
    return c;
}

// A floating ledge, 48 pixels wide: left end, middle, right end.
ShadeCanvas ThemePainter::platform() const {
    ShadeCanvas c = TiledSky(sky_, 48, 16);
    switch (theme_) {
        case Theme::Sky:
            Blob(c, {{6, 7, 5}, {16, 6, 6}, {24, 5, 6.5}, {32, 6, 6}, {42, 7, 5}}, {0, 1, 0});
            return c;
        case Theme::Space:
        case Theme::Sea: {
            c.fillRect(0, 0, 48, 9, 3);
            c.fillRect(1, 1, 46, 1, 1);
            c.fillRect(1, 7, 46, 1, 1);
            for (int x = 2; x < 46; ++x) {
                for (int y = 2; y < 7; ++y) {
                    const int k = (x + 1) % 8;
                    const bool strut = k == y - 1 || 8 - k == y - 1 || k == 0;
                    c.set(x, y, strut ? 2 : sky_.at(x % 16, y));
                }
            }
            c.fillRect(0, 0, 1, 9, 3);
            c.fillRect(47, 0, 1, 9, 3);
            return c;
        }
        case Theme::Castle:
        case Theme::Spooky:
            c.fillRect(0, 0, 48, 8, 1);
            c.frame(0, 0, 48, 8, 3);
            c.fillRect(1, 1, 46, 1, 0);
            c.fillRect(1, 6, 46, 1, 2);
            for (int x : {15, 31}) {
                c.fillRect(x, 0, 1, 8, 3);
                c.polygon({{x - 3.0, 8}, {x + 4.0, 8}, {x + 0.5, 13}}, 3);
                c.polygon({{x - 1.5, 8}, {x + 2.5, 8}, {x + 0.5, 11}}, 2);
            }
            return c;
        default:
            c.fillRect(0, 0, 48, 8, 1);
            c.frame(0, 0, 48, 8, 3);
            c.fillRect(1, 1, 46, 1, 0);
            c.fillRect(1, 6, 46, 1, 2);
            if (is(Theme::Giant)) {
                // A ruler: ticks every 4 pixels, long ones every 16.
                for (int x = 4; x < 48; x += 4) {
                    c.fillRect(x, 1, 1, x % 16 == 0 ? 4 : 2, 3);
                }
            } else {
                c.fillRect(3, 4, 42, 1, 2);
                for (int x : {15, 31}) {
                    c.fillRect(x, 0, 1, 8, 3);
                }
                for (int x : {6, 24, 40}) {
                    c.set(x, 3, 3);
                }
            }
            c.set(0, 0, sky_.at(0, 0));
            c.set(47, 0, sky_.at(15, 0));
            c.set(0, 7, sky_.at(0, 7));
            c.set(47, 7, sky_.at(15, 7));
            if (is(Theme::Forest)) {
                for (int x : {9, 22, 38}) {
                    c.ellipse(x, 10, 1.6, 2.4, 2);
                    c.set(x, 8, 3);
                }
            }
            return c;
    }
}

// A cloud, three blocks wide and two high (in space, a rocky asteroid). Like the bush and the
// cloud ledge, its middle column is symmetric about its centre, so a level can repeat it for
// a wider cloud without a step in the outline.
ShadeCanvas ThemePainter::cloud() const {
    ShadeCanvas c = TiledSky(sky_, 48, 32);
    const std::vector<BlobDisc> discs{{11, 19, 8}, {24, 14, 9.5}, {37, 19, 8}, {16, 22, 7},
                                      {32, 22, 7}, {24, 24, 8},   {9, 24, 6},  {39, 24, 6}};
    if (is(Theme::Space)) {
        Blob(c, discs, {1, 2, 0, 2, 9});
        c.ellipse(18, 14, 3, 2, 2);
        c.ellipse(32, 20, 2.4, 1.6, 2);
    } else {
        Blob(c, discs, {0, 1, 0});
    }
    return c;
}

ShadeCanvas ThemePainter::bush() const {
    ShadeCanvas c = TiledSky(sky_, 48, 16);
    Blob(c, {{9, 15, 7}, {16, 14, 7}, {24, 10, 8.5}, {32, 14, 7}, {39, 15, 7}}, {2, 2, 1, 1, 7});
    return c;
}

ShadeCanvas ThemePainter::hazardTop() const {
    ShadeCanvas c = sky_;
    if (is(Theme::Grassland) || is(Theme::Castle)) {
        const bool lava = is(Theme::Castle);
        for (int x = 0; x < 16; ++x) {
            const int s = 5 + int(std::lround(1.5 * std::sin(2 * kPi * x / 16)));
            for (int y = s; y < 16; ++y) {
                c.set(x, y, lava ? 2 : 1);
            }
            c.set(x, s, lava ? 3 : 2);
            if (!lava && x % 8 == 3) {
                c.set(x, s + 2, 0);
                c.set(x + 1, s + 2, 0);
            }
        }
        if (lava) {
            c.disc(11, 12, 1.6, 1);
            c.disc(4, 4, 1.2, 2);
        }
        return c;
    }
    if (is(Theme::Giant)) {
        // Pins pointing up.
        for (int x : {4, 12}) {
            c.fillRect(x - 1, 5, 3, 11, 3);
            c.fillRect(x, 5, 1, 11, 1);
            c.fillRect(x - 1, 0, 3, 2, 3);
            c.set(x, 2, 3);
            c.set(x, 3, 3);
            c.set(x, 4, 3);
            c.disc(x + 0.5, 9.5, 0.9, 2);
        }
        c.fillRect(0, 14, 16, 2, 2);
        c.fillRect(0, 14, 16, 1, 3);
        return c;
    }
    for (int x0 : {0, 8}) {
        OutlinedPolygon(c, {{x0 + 0.0, 16}, {x0 + 4.0, 2}, {x0 + 8.0, 16}}, x0 + 4.0, 11, 1);
        c.line(x0 + 5, 6, x0 + 6, 14, 2);
    }
    return c;
}

ShadeCanvas ThemePainter::hazardFill() const {
    if (is(Theme::Grassland) || is(Theme::Castle)) {
        const bool lava = is(Theme::Castle);
        ShadeCanvas c(16, 16, lava ? 2 : 1);
        for (int y : {3, 10}) {
            for (int x = (y == 3 ? 2 : 9); x < (y == 3 ? 7 : 14); ++x) {
                c.set(x, y + (x % 2), lava ? 3 : 2);
            }
        }
        if (lava) {
            c.disc(5, 12, 1.5, 1);
        }
        return c;
    }
    ShadeCanvas c(16, 16, 2);
    c.fillRect(0, 0, 16, 1, 3);
    c.fillRect(0, 8, 16, 1, 3);
    c.fillRect(7, 0, 1, 8, 3);
    c.fillRect(15, 8, 1, 8, 3);
    c.fillRect(0, 1, 16, 1, 1);
    c.fillRect(0, 9, 16, 1, 1);
    return c;
}
ShadeCanvas ThemePainter::trunk() const {
    ShadeCanvas c = sky_;
    if (is(Theme::Castle) || is(Theme::Sky)) {  // a column
        c.fillRect(3, 0, 10, 16, 3);
        c.fillRect(4, 0, 8, 16, 1);
        c.fillRect(5, 0, 1, 16, 0);
        c.fillRect(10, 0, 1, 16, 2);
        c.fillRect(8, 0, 1, 16, 2);
        return c;
    }
    if (is(Theme::Space) || is(Theme::Giant)) {  // a girder
        c.fillRect(3, 0, 10, 16, 3);
        c.fillRect(4, 0, 8, 16, 1);
        for (int y = 0; y < 16; ++y) {
            c.set(4 + (y % 8), y, 2);
            c.set(11 - (y % 8), y, 2);
        }
        c.fillRect(4, 0, 1, 16, 0);
        return c;
    }
    c.fillRect(3, 0, 10, 16, 3);
    c.fillRect(4, 0, 8, 16, 2);
    c.fillRect(5, 0, 1, 16, 1);
    for (int y = 0; y < 16; ++y) {
        c.set(7 + (y / 4) % 2, y, 3);
        if (y % 5 == 2) {
            c.set(10, y, 3);
        }
    }
    return c;
}

ShadeCanvas ThemePainter::fence() const {
    ShadeCanvas c = sky_;
    if (is(Theme::Castle) || is(Theme::Spooky)) {  // iron railings
        c.fillRect(0, 5, 16, 2, 3);
        c.fillRect(0, 13, 16, 2, 3);
        for (int x : {1, 5, 9, 13}) {
            c.fillRect(x, 2, 2, 14, 3);
            c.polygon({{x - 1.0, 3}, {x + 3.0, 3}, {x + 1.0, 0}}, 3);
        }
        return c;
    }
    for (int y : {5, 11}) {
        c.fillRect(0, y, 16, 3, 3);
        c.fillRect(0, y + 1, 16, 1, 0);
    }
    for (int x : {2, 10}) {
        c.fillRect(x, 2, 5, 14, 3);
        c.fillRect(x + 1, 3, 3, 13, 0);
        c.fillRect(x + 3, 4, 1, 12, 1);
        c.set(x, 2, sky_.at(x, 2));
        c.set(x + 4, 2, sky_.at(x + 4, 2));
    }
    return c;
}

ShadeCanvas ThemePainter::pole() const {
    ShadeCanvas c = sky_;
    c.fillRect(6, 0, 4, 16, 3);
    c.fillRect(7, 0, 1, 16, 0);
    c.fillRect(8, 0, 1, 16, 1);
    return c;
}

ShadeCanvas ThemePainter::poleTop() const {
    ShadeCanvas c = pole();
    c.fillRect(0, 0, 16, 11, 0);
    c.blit(sky_, 0, 0, 16, 11, 0, 0);
    OutlinedEllipse(c, 8, 7, 5, 5, 1);
    c.ellipse(6.5, 5.5, 1.6, 1.2, 0);
    return c;
}

ShadeCanvas ThemePainter::flag() const {
    ShadeCanvas c = sky_;
    OutlinedPolygon(c, {{0, 1}, {15, 7}, {0, 13}}, 5, 7, 1);
    c.polygon(StarPoints(4.5, 7, 3.6, 1.5), 3);
    return c;
}

ShadeCanvas ThemePainter::heart() const {
    ShadeCanvas c = sky_;
    const auto shape = [&](double grow, uint8_t s) {
        c.disc(5, 5.5, 3.8 + grow, s);
        c.disc(11, 5.5, 3.8 + grow, s);
        c.polygon({{1.5 - grow, 7}, {14.5 + grow, 7}, {8, 14.5 + grow}}, s);
    };
    shape(1, 3);
    shape(0, 2);
    c.disc(4.5, 4.5, 1.3, 0);
    return c;
}

// The font and the 8 × 8 patterns, one cell each, in the sheet's last four rows.
void ThemePainter::fontAndPatterns() {
    const uint8_t paper = sky_.at(0, 0);
    for (int i = 0; i < kSampleFontCount; ++i) {
        const int cell = kFontFirstCell + i;
        const int x = 8 * (cell % 16);
        const int y = 8 * (cell / 16);
        sheet_.fillRect(x, y, 8, 8, paper);
        DrawGlyph(sheet_, x + 1, y, kSampleFontCharacters[i], 3);
    }
    const std::array<std::function<uint8_t(int, int)>, block::kPatternCount> patterns{
        [](int x, int y) { return uint8_t((x / 4 + y / 4) % 2 ? 2 : 1); },
        [](int x, int y) { return uint8_t((x + y) % 2 ? 3 : 0); },
        [](int x, int y) { return uint8_t((x + y) / 2 % 2 ? 2 : 0); },
        [](int x, int y) { return uint8_t((x - y + 8) / 2 % 2 ? 2 : 0); },
        [](int, int y) { return uint8_t(y / 2 % 2 ? 1 : 2); },
        [](int x, int) { return uint8_t(x / 2 % 2 ? 1 : 2); },
        [](int x, int y) { return uint8_t(x % 4 == 1 && y % 4 == 1 ? 3 : 0); },
        [](int x, int y) { return uint8_t(x == 0 || y == 0 ? 3 : 1); },
        [](int x, int y) { return uint8_t(y % 4 == 3 || x == ((y / 4) % 2 ? 3 : 7) ? 3 : 2); },
        [](int x, int y) {
            return uint8_t(y == 3 + int(std::lround(1.5 * std::sin(x * kPi / 4))) ? 2 : 0);
        },
        [](int x, int y) { return uint8_t(y % 4 == std::abs(x % 8 - 4) % 4 ? 3 : 1); },
        [](int x, int y) {
            const double dx = (x + 0.5) - 4;
            const double dy = (y % 4 + 0.5) + ((x / 4 + y / 4) % 2 ? 0 : 2) - 4;
            return uint8_t(std::abs(std::sqrt(dx * dx + dy * dy) - 3) < 0.7 ? 3 : 1);
        },
        [](int x, int y) { return uint8_t((x + y) % 4 == 0 || (x - y + 8) % 4 == 0 ? 2 : 0); },
        [](int x, int y) {
            const int d = std::abs(2 * x - 7) + std::abs(2 * y - 7);
            return uint8_t(d < 5 ? 2 : d < 7 ? 3 : 0);
        },
        [](int x, int y) {
            const double d = std::hypot(x + 0.5 - 4, y + 0.5 - 4);
            return uint8_t(d < 1.6 ? 1 : d < 3.2 ? 3 : 0);
        },
        [](int x, int y) {
            return uint8_t((x == 3 && y > 0 && y < 7) || (y == 3 && x > 0 && x < 7) ? 3
                           : (std::abs(x - 3) == 1 && std::abs(y - 3) == 1)         ? 2
                                                                                    : 0);
        },
        [](int x, int y) {
            return uint8_t(y > 2 && (x % 3 == 0 ? y > 3 : x % 3 == 1 ? y > 1 : y > 4) ? 2 : 0);
        },
        [](int x, int y) {
            const bool a = std::hypot(x + 0.5 - 2.5, (y + 0.5 - 2.5) * 1.4) < 2;
            const bool b = std::hypot(x + 0.5 - 6, (y + 0.5 - 6) * 1.4) < 1.6;
            return uint8_t(a || b ? 2 : 1);
        },
        [](int x, int y) {
            return uint8_t(y % 4 == int(std::lround(1 + std::sin((x + y) * kPi / 6))) ? 2 : 1);
        },
        [](int x, int y) { return uint8_t(x % 2 == 0 && (x / 2 + y) % 2 == 0 ? 1 : 0); },
        [](int x, int y) { return uint8_t((x + y) % 2 ? 2 : 1); },
        [](int x, int y) { return uint8_t(x % 2 == 0 && (x / 2 + y) % 2 == 0 ? 2 : 3); },
        [](int x, int y) {
            return uint8_t(x == 0 || y == 0 ? 1 : x == 7 || y == 7 ? 3 : x == 3 && y == 3 ? 0 : 2);
        },
    };
    for (int i = 0; i < block::kPatternCount; ++i) {
        const int cell = kPatternFirstCell + i;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                sheet_.set(8 * (cell % 16) + x, 8 * (cell / 16) + y, patterns[size_t(i)](x, y));
            }
        }
    }
}

ShadeCanvas ThemePainter::paint() {
    using namespace block;
    put(Sky, sky_);
    const ShadeCanvas groundTop = top();
    const ShadeCanvas groundFill = fill();
    put(GroundTop, groundTop);
    put(GroundFill, groundFill);
    put(GroundTopLeft, withEdge(groundTop, true, true));
    put(GroundTopRight, withEdge(groundTop, false, true));
    put(GroundLeft, withEdge(groundFill, true, false));
    put(GroundRight, withEdge(groundFill, false, false));
    put(HillLeft, hill(0));
    put(HillRight, hill(1));
    put(HillTop, hill(2));
    put(HillFill, hill(3));
    put(Brick, brick());
    put(Question, box(1, true));
    put(Used, box(2, false));
    put(Solid, solid());
    put(Coin, coin());
    const ShadeCanvas rim = pipe(true);
    const ShadeCanvas body = pipe(false);
    put(PipeTopLeft, rim, 0, 0);
    put(PipeTopRight, rim, 16, 0);
    put(PipeLeft, body, 0, 0);
    put(PipeRight, body, 16, 0);
    const ShadeCanvas ledge = platform();
    put(PlatformLeft, ledge, 0, 0);
    put(Platform, ledge, 16, 0);
    put(PlatformRight, ledge, 32, 0);
    const ShadeCanvas sky = cloud();
    for (int i = 0; i < 6; ++i) {
        put(CloudTopLeft + i, sky, 16 * (i % 3), 16 * (i / 3));
    }
    const ShadeCanvas shrub = bush();
    for (int i = 0; i < 3; ++i) {
        put(BushLeft + i, shrub, 16 * i, 0);
    }
    put(HazardTop, hazardTop());
    put(Hazard, hazardFill());
    for (int i = 0; i < 4; ++i) {
        put(Deco1 + i, DrawDecoration(theme_, i, sky_));
    }
    const ShadeCanvas crown = DrawLandmark(theme_, sky_);
    for (int i = 0; i < 4; ++i) {
        put(TreeTopLeft + i, crown, 16 * (i % 2), 16 * (i / 2));
    }
    put(Trunk, trunk());
    put(Fence, fence());
    put(PoleTop, poleTop());
    put(Pole, pole());
    put(Flag, flag());
    put(Heart, heart());
    fontAndPatterns();
    if (ThemeIsNegative(theme_)) {
        sheet_.invert();
    }
    return sheet_;
}

}  // namespace

ShadeCanvas DrawThemeSheet(Theme theme) {
    return ThemePainter(theme).paint();
}

QByteArray SampleBlockData() {
    using namespace block;
    QByteArray data(4 * kBlockCount, '\0');
    auto set = [&](int b, std::array<int, 4> cells) {
        for (int q = 0; q < 4; ++q) {
            data[4 * b + q] = char(TileNumberOfCell(cells[size_t(q)]));
        }
    };
    auto picture = [](int p) {
        const int c = PictureCell(p);
        return std::array<int, 4>{c, c + 1, c + 16, c + 17};
    };
    for (int p = 0; p < PictureCount; ++p) {
        set(p, picture(p));
    }
    for (int i = 0; i < kTextCount; ++i) {
        const int c = kFontFirstCell + 4 * i;
        set(kFirstText + i, {c, c + 1, c + 2, c + 3});
    }
    for (int i = 0; i < kPatternCount; ++i) {
        const int c = kPatternFirstCell + i;
        set(kFirstPattern + i, {c, c, c, c});
    }
    const std::array<int, 4> sky = picture(Sky);
    for (int p = 1; p < PictureCount; ++p) {
        const std::array<int, 4> cells = picture(p);
        set(HalfOf(uint8_t(p)), {cells[0], cells[1], sky[2], sky[3]});
    }
    return data;
}

void DrawPictureBlock(ShadeCanvas& canvas, const ShadeCanvas& sheet, int picture, int x, int y) {
    const int cell = PictureCell(picture);
    canvas.blit(sheet, 8 * (cell % 16), 8 * (cell / 16), 16, 16, x, y);
}

}  // namespace zantor
