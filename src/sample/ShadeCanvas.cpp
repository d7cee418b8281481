#include "ShadeCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zantor {

ShadeCanvas::ShadeCanvas(int width, int height, uint8_t fill)
    : width_(width), height_(height), pixels_(size_t(width * height), fill) {}

uint8_t ShadeCanvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return pixels_[size_t(y * width_ + x)];
}

void ShadeCanvas::set(int x, int y, uint8_t shade) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    pixels_[size_t(y * width_ + x)] = shade & 3;
}

void ShadeCanvas::fillRect(int x, int y, int w, int h, uint8_t shade) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            set(i, j, shade);
        }
    }
}

void ShadeCanvas::frame(int x, int y, int w, int h, uint8_t shade) {
    fillRect(x, y, w, 1, shade);
    fillRect(x, y + h - 1, w, 1, shade);
    fillRect(x, y, 1, h, shade);
    fillRect(x + w - 1, y, 1, h, shade);
}

void ShadeCanvas::line(int x0, int y0, int x1, int y1, uint8_t shade) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        set(x0, y0, shade);
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void ShadeCanvas::disc(double cx, double cy, double r, uint8_t shade) {
    ellipse(cx, cy, r, r, shade);
}

void ShadeCanvas::ellipse(double cx, double cy, double rx, double ry, uint8_t shade) {
    const int x0 = int(std::floor(cx - rx));
    const int x1 = int(std::ceil(cx + rx));
    const int y0 = int(std::floor(cy - ry));
    const int y1 = int(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double u = (x + 0.5 - cx) / rx;
            const double v = (y + 0.5 - cy) / ry;
            if (u * u + v * v <= 1.0) {
                set(x, y, shade);
            }
        }
    }
}

void ShadeCanvas::polygon(const std::vector<std::array<double, 2>>& points, uint8_t shade) {
    double minY = 1e9;
    double maxY = -1e9;
    for (const auto& p : points) {
        minY = std::min(minY, p[1]);
        maxY = std::max(maxY, p[1]);
    }
    for (int y = int(std::floor(minY)); y <= int(std::ceil(maxY)); ++y) {
        const double py = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < points.size(); ++i) {
            const auto& a = points[i];
            const auto& b = points[(i + 1) % points.size()];
            if ((a[1] <= py) != (b[1] <= py)) {
                crossings.push_back(a[0] + (py - a[1]) * (b[0] - a[0]) / (b[1] - a[1]));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = int(std::ceil(crossings[i] - 0.5)); x + 0.5 <= crossings[i + 1]; ++x) {
                set(x, y, shade);
            }
        }
    }
}

void ShadeCanvas::art(int x, int y, std::initializer_list<const char*> rows) {
    int j = y;
    for (const char* row : rows) {
        for (int i = 0; row[i] != '\0'; ++i) {
            switch (row[i]) {
                case '.':
                    set(x + i, j, 0);
                    break;
                case '+':
                    set(x + i, j, 1);
                    break;
                case '*':
                    set(x + i, j, 2);
                    break;
                case '#':
                    set(x + i, j, 3);
                    break;
                default:
                    break;
            }
        }
        ++j;
    }
}

void ShadeCanvas::blit(const ShadeCanvas& src, int sx, int sy, int w, int h, int dx, int dy) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            set(dx + i, dy + j, src.at(sx + i, sy + j));
        }
    }
}

void ShadeCanvas::invert() {
    for (auto& p : pixels_) {
        p = uint8_t(3 - p);
    }
}

QByteArray ShadeCanvas::encodeTile(int x, int y, const std::array<uint8_t, 4>& numberOf) const {
    QByteArray bytes(16, '\0');
    for (int r = 0; r < 8; ++r) {
        uint8_t lo = 0;
        uint8_t hi = 0;
        for (int c = 0; c < 8; ++c) {
            const uint8_t n = numberOf[at(x + c, y + r)];
            lo |= uint8_t((n & 1) << (7 - c));
            hi |= uint8_t((n >> 1) << (7 - c));
        }
        bytes[2 * r] = char(lo);
        bytes[2 * r + 1] = char(hi);
    }
    return bytes;
}

bool ShadeCanvas::sameTile(int x, int y, const ShadeCanvas& other, int ox, int oy) const {
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (at(x + c, y + r) != other.at(ox + c, oy + r)) {
                return false;
            }
        }
    }
    return true;
}

std::array<uint8_t, 4> ColourNumbersForShades(uint8_t palette) {
    std::array<uint8_t, 4> numberOf{};
    for (int s = 0; s < 4; ++s) {
        int best = 0;
        int bestDistance = 99;
        for (int n = 0; n < 4; ++n) {
            const int distance = std::abs(((palette >> (2 * n)) & 3) - s);
            if (distance < bestDistance) {
                best = n;
                bestDistance = distance;
            }
        }
        numberOf[size_t(s)] = uint8_t(best);
    }
    return numberOf;
}

}  // namespace zantor
