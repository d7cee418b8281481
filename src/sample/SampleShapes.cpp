#include "SampleShapes.h"

#include <algorithm>
#include <cmath>

namespace zantor {

uint32_t TextureNoise(int x, int y, int salt) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

void Blob(ShadeCanvas& c, const std::vector<BlobDisc>& discs, const BlobStyle& style) {
    auto inside = [&](int x, int y) {
        for (const BlobDisc& d : discs) {
            const double dx = x + 0.5 - d.x;
            const double dy = y + 0.5 - d.y;
            if (dx * dx + dy * dy <= d.r * d.r) {
                return true;
            }
        }
        return false;
    };
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (!inside(x, y)) {
                continue;
            }
            uint8_t s = style.body;
            if (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1)) {
                s = 3;
            } else if (!inside(x, y + 2)) {
                s = style.shadow;
            } else if (!inside(x, y - 2)) {
                s = style.highlight;
            } else if (style.fleckEvery > 0 &&
                       TextureNoise(x, y, 3) % uint32_t(style.fleckEvery) == 0) {
                s = style.fleck;
            }
            c.set(x, y, s);
        }
    }
}

void ThickLine(ShadeCanvas& c, double x0, double y0, double x1, double y1, double r, uint8_t s) {
    const int steps = int(std::max(std::abs(x1 - x0), std::abs(y1 - y0)) * 2) + 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        c.disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, r, s);
    }
}

void OutlinedPolygon(ShadeCanvas& c, const std::vector<std::array<double, 2>>& points, double cx,
                     double cy, uint8_t body) {
    c.polygon(points, 3);
    std::vector<std::array<double, 2>> inner;
    for (const auto& p : points) {
        const double dx = p[0] - cx;
        const double dy = p[1] - cy;
        const double length = std::sqrt(dx * dx + dy * dy);
        const double k = length > 1.2 ? (length - 1.2) / length : 0.0;
        inner.push_back({cx + dx * k, cy + dy * k});
    }
    c.polygon(inner, body);
}

void OutlinedEllipse(ShadeCanvas& c, double cx, double cy, double rx, double ry, uint8_t body) {
    c.ellipse(cx, cy, rx, ry, 3);
    c.ellipse(cx, cy, rx - 1, ry - 1, body);
}

std::vector<std::array<double, 2>> StarPoints(double cx, double cy, double outer, double inner) {
    std::vector<std::array<double, 2>> points;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -kPi / 2 + i * kPi / 5;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

ShadeCanvas TiledSky(const ShadeCanvas& sky, int w, int h) {
    ShadeCanvas c(w, h);
    for (int y = 0; y < h; y += 16) {
        for (int x = 0; x < w; x += 16) {
            c.blit(sky, 0, 0, 16, 16, x, y);
        }
    }
    return c;
}

}  // namespace zantor
