#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

namespace zantor {

// The sample art is drawn in shades (0 white .. 3 black), the way it should look on screen,
// and only turned into colour numbers when it is encoded for a palette. That way a theme can
// be stored under any palette that shows four distinct shades and still look as drawn.
class ShadeCanvas {
public:
    ShadeCanvas(int width, int height, uint8_t fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }

    // Outside the canvas: at() is 0 and set() does nothing, so shapes may overhang freely.
    uint8_t at(int x, int y) const;
    void set(int x, int y, uint8_t shade);

    void fillRect(int x, int y, int w, int h, uint8_t shade);
    void frame(int x, int y, int w, int h, uint8_t shade);
    void line(int x0, int y0, int x1, int y1, uint8_t shade);
    void disc(double cx, double cy, double r, uint8_t shade);
    void ellipse(double cx, double cy, double rx, double ry, uint8_t shade);
    // A convex or concave polygon, filled by the even-odd rule at pixel centres.
    void polygon(const std::vector<std::array<double, 2>>& points, uint8_t shade);
    // Rows of ' ' (left alone), '.', '+', '*', '#' (shades 0..3), drawn from (x, y).
    void art(int x, int y, std::initializer_list<const char*> rows);
    void blit(const ShadeCanvas& src, int sx, int sy, int w, int h, int dx, int dy);
    // Every pixel s becomes 3 - s.
    void invert();

    // The 8 × 8 tile whose top-left pixel is (x, y) in 2 bits per pixel form, each shade
    // stored as the colour number `numberOf[shade]`.
    QByteArray encodeTile(int x, int y, const std::array<uint8_t, 4>& numberOf) const;
    bool sameTile(int x, int y, const ShadeCanvas& other, int ox, int oy) const;

private:
    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
};

// The colour numbers that show shades 0..3 under `palette`. A shade the palette cannot show
// falls back to the number of the nearest shade it can.
std::array<uint8_t, 4> ColourNumbersForShades(uint8_t palette);

}  // namespace zantor
