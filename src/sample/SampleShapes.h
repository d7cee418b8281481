#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ShadeCanvas.h"

namespace zantor {

// Drawing helpers shared by the sample's tile art.

constexpr double kPi = 3.14159265358979323846;

// Texture noise that is the same in every build.
uint32_t TextureNoise(int x, int y, int salt);

struct BlobDisc {
    double x, y, r;
};

// A soft shape made of overlapping discs: black rim, a shaded band along the underside, a
// lighter band under the top, and optional flecks. Discs may reach past the canvas; the rim
// is only drawn where the shape really ends, so a bush can stand on the block below.
struct BlobStyle {
    uint8_t body;
    uint8_t shadow;
    uint8_t highlight;
    uint8_t fleck = 0;
    int fleckEvery = 0;
};
void Blob(ShadeCanvas& c, const std::vector<BlobDisc>& discs, const BlobStyle& style);

// A line drawn with a round brush of radius r.
void ThickLine(ShadeCanvas& c, double x0, double y0, double x1, double y1, double r, uint8_t s);

// A filled polygon with a one pixel black rim: the outline shape, then the body shrunk
// towards (cx, cy).
void OutlinedPolygon(ShadeCanvas& c, const std::vector<std::array<double, 2>>& points, double cx,
                     double cy, uint8_t body);
void OutlinedEllipse(ShadeCanvas& c, double cx, double cy, double rx, double ry, uint8_t body);

// The ten corners of a five-pointed star, pointing up.
std::vector<std::array<double, 2>> StarPoints(double cx, double cy, double outer, double inner);

// A w × h canvas covered with copies of a 16 × 16 sky tile.
ShadeCanvas TiledSky(const ShadeCanvas& sky, int w, int h);

}  // namespace zantor
