#include "SampleDecorations.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "SampleShapes.h"

namespace zantor {

ShadeCanvas DrawDecoration(Theme theme, int which, const ShadeCanvas& sky) {
    ShadeCanvas c = sky;
    switch (theme) {
        case Theme::Grassland:
            if (which == 0) {  // flower
                c.fillRect(7, 8, 2, 8, 2);
                c.ellipse(4.5, 12.5, 2.5, 1.2, 2);
                c.ellipse(11.5, 11.5, 2.5, 1.2, 2);
                for (const auto& p :
                     {std::array<double, 2>{8, 2.5}, {4.5, 5.5}, {11.5, 5.5}, {8, 8.5}}) {
                    c.disc(p[0], p[1], 2.8, 3);
                }
                for (const auto& p :
                     {std::array<double, 2>{8, 2.5}, {4.5, 5.5}, {11.5, 5.5}, {8, 8.5}}) {
                    c.disc(p[0], p[1], 1.8, 0);
                }
                c.disc(8, 5.5, 1.7, 2);
            } else if (which == 1) {  // toadstool
                c.fillRect(5, 9, 6, 7, 3);
                c.fillRect(6, 9, 4, 6, 0);
                c.ellipse(8, 8, 7.5, 5.5, 3);
                c.ellipse(8, 8, 6.5, 4.5, 2);
                c.fillRect(0, 9, 16, 1, 3);
                c.fillRect(6, 10, 4, 5, 0);
                c.disc(5, 5.5, 1.3, 0);
                c.disc(10.5, 4.5, 1.6, 0);
                c.disc(12.5, 7.5, 0.9, 0);
                for (int x = 0; x < 16; ++x) {
                    if (c.at(x, 9) == 3 && (x < 1 || x > 14)) {
                        c.set(x, 9, 0);
                    }
                }
            } else if (which == 2) {  // rock
                OutlinedEllipse(c, 8, 12.5, 7, 4.5, 1);
                c.ellipse(10, 14, 4, 1.5, 2);
                c.ellipse(5.5, 10.5, 1.8, 1, 0);
            } else {  // signpost with an arrow
                c.fillRect(6, 8, 4, 8, 3);
                c.fillRect(7, 8, 2, 8, 2);
                c.fillRect(1, 2, 14, 7, 3);
                c.fillRect(2, 3, 12, 5, 0);
                c.line(4, 5, 10, 5, 3);
                c.line(8, 3, 10, 5, 3);
                c.line(8, 7, 10, 5, 3);
            }
            break;
        case Theme::Forest:
            if (which == 0) {  // acorn
                c.line(8, 1, 9, 3, 3);
                OutlinedEllipse(c, 8, 10.5, 4.5, 5, 1);
                c.ellipse(9.5, 12, 1.6, 2, 2);
                OutlinedEllipse(c, 8, 5.5, 6, 3, 2);
                c.line(4, 5, 12, 5, 3);
            } else if (which == 1) {  // leaf
                OutlinedPolygon(c, {{2, 14}, {4, 6}, {13, 2}, {12, 10}}, 8, 8, 2);
                c.line(2, 14, 11, 4, 3);
                c.line(6, 10, 5, 7, 3);
                c.line(8, 8, 11, 8, 3);
            } else if (which == 2) {  // beehive on a twig
                c.line(0, 1, 15, 1, 3);
                c.fillRect(7, 1, 2, 3, 3);
                const double rows[4][2] = {{4.5, 3.5}, {7.5, 5}, {10.5, 6}, {13.5, 4.5}};
                for (const auto& r : rows) {
                    OutlinedEllipse(c, 8, r[0], r[1], 2.2, 1);
                }
                c.disc(8, 11, 1.3, 3);
            } else {  // stump
                c.fillRect(3, 7, 10, 9, 3);
                c.fillRect(4, 7, 8, 9, 2);
                c.fillRect(6, 8, 1, 8, 3);
                c.fillRect(9, 9, 1, 7, 3);
                OutlinedEllipse(c, 8, 7, 5.5, 2.5, 1);
                c.ellipse(8, 7, 2.5, 1, 2);
                c.fillRect(1, 14, 3, 2, 3);
                c.fillRect(12, 14, 3, 2, 3);
            }
            break;
        case Theme::Spooky:
            if (which == 0) {  // pumpkin with a glowing face
                c.fillRect(7, 2, 2, 4, 2);
                OutlinedEllipse(c, 8, 10, 7.5, 5.5, 1);
                c.line(5, 6, 4, 14, 2);
                c.line(11, 6, 12, 14, 2);
                c.polygon({{4, 10}, {5.5, 7.5}, {7, 10}}, 3);
                c.polygon({{9, 10}, {10.5, 7.5}, {12, 10}}, 3);
                c.polygon({{4, 11.5}, {12, 11.5}, {10, 14}, {6, 14}}, 3);
            } else if (which == 1) {  // ghost
                c.disc(8, 7, 6, 2);
                c.fillRect(2, 7, 12, 7, 2);
                c.disc(8, 7, 5, 3);
                c.fillRect(3, 7, 10, 6, 3);
                for (int x = 2; x < 14; ++x) {
                    const int wave = (x / 2) % 2;
                    c.set(x, 13 + wave, 2);
                    if (wave == 0) {
                        c.set(x, 14, 0);
                    }
                }
                c.fillRect(5, 6, 2, 3, 0);
                c.fillRect(9, 6, 2, 3, 0);
            } else if (which == 2) {  // gravestone
                c.disc(8, 6, 6, 3);
                c.fillRect(2, 6, 12, 10, 3);
                c.disc(8, 6, 5, 1);
                c.fillRect(3, 6, 10, 10, 1);
                c.fillRect(7, 4, 2, 8, 3);
                c.fillRect(5, 6, 6, 2, 3);
                c.fillRect(12, 7, 1, 9, 2);
            } else {  // bat
                c.polygon({{1, 5},
                           {6, 7},
                           {8, 5},
                           {10, 7},
                           {15, 5},
                           {13, 11},
                           {10, 9},
                           {8, 12},
                           {6, 9},
                           {3, 11}},
                          3);
                c.set(7, 7, 0);
                c.set(9, 7, 0);
            }
            break;
        case Theme::Castle:
            if (which == 0) {  // torch
                c.fillRect(6, 8, 4, 8, 3);
                c.fillRect(7, 9, 2, 7, 2);
                c.fillRect(5, 8, 6, 2, 3);
                OutlinedPolygon(c, {{8, 0}, {11.5, 5}, {8, 8}, {4.5, 5}}, 8, 5, 0);
                c.polygon({{8, 3}, {9.5, 5.5}, {8, 7}, {6.5, 5.5}}, 1);
            } else if (which == 1) {  // arched window
                c.disc(8, 6, 6, 3);
                c.fillRect(2, 6, 12, 10, 3);
                c.disc(8, 6, 4.5, 2);
                c.fillRect(4, 6, 8, 8, 2);
                c.fillRect(7, 2, 2, 12, 3);
                c.fillRect(3, 8, 10, 1, 3);
                c.fillRect(2, 14, 12, 2, 1);
                c.frame(2, 14, 12, 2, 3);
            } else if (which == 2) {  // chain
                for (int y : {2, 7, 12}) {
                    c.ellipse(8, y + 0.5, 2.6, 3.4, 3);
                    c.ellipse(8, y + 0.5, 1.2, 2, sky.at(8, y));
                }
                c.fillRect(5, 0, 6, 1, 3);
            } else {  // shield
                OutlinedPolygon(c, {{2, 1}, {14, 1}, {14, 8}, {8, 15}, {2, 8}}, 8, 7, 0);
                c.fillRect(7, 2, 2, 11, 2);
                c.fillRect(3, 5, 10, 2, 2);
            }
            break;
        case Theme::Sea:
            if (which == 0) {  // seaweed
                for (int stalk : {5, 10}) {
                    for (int y = stalk == 5 ? 1 : 4; y < 16; ++y) {
                        const int x = stalk + int(std::lround(1.6 * std::sin((y + stalk) / 2.2)));
                        c.set(x - 1, y, 3);
                        c.set(x, y, 2);
                        c.set(x + 1, y, 2);
                        c.set(x + 2, y, 3);
                    }
                }
            } else if (which == 1) {  // coral
                const double branches[5][4] = {
                    {8, 15, 8, 9}, {8, 10, 4, 5}, {4, 5, 4, 1}, {8, 9, 12, 5}, {12, 5, 13, 2}};
                for (const auto& b : branches) {
                    ThickLine(c, b[0], b[1], b[2], b[3], 1.8, 3);
                }
                for (const auto& b : branches) {
                    ThickLine(c, b[0], b[1], b[2], b[3], 0.8, 1);
                }
            } else if (which == 2) {  // fish
                OutlinedPolygon(c, {{10, 8}, {15, 3}, {15, 13}}, 13.5, 8, 2);
                OutlinedEllipse(c, 7, 8, 6, 4.5, 1);
                c.disc(4.5, 7, 1.4, 0);
                c.set(4, 7, 3);
                c.line(8, 5, 8, 11, 2);
                c.ellipse(7, 10, 3, 1, 0);
            } else {  // shell
                c.ellipse(8, 12, 7, 6.5, 3);
                c.ellipse(8, 12, 6, 5.5, 0);
                for (int x : {3, 6, 10, 13}) {
                    c.line(8, 15, x, 7 + std::abs(x - 8) / 2, 2);
                }
                c.fillRect(1, 13, 14, 3, 3);
                c.fillRect(5, 14, 6, 1, 1);
            }
            break;
        case Theme::Sky:
            if (which == 0) {  // balloon
                OutlinedEllipse(c, 8, 6, 5.5, 6, 1);
                c.ellipse(6, 3.5, 1.6, 1.2, 0);
                c.polygon({{7, 11.5}, {9, 11.5}, {8, 13}}, 3);
                c.line(8, 13, 9, 15, 2);
            } else if (which == 1) {  // birds
                for (int dy : {0, 1}) {
                    c.line(1, 5 + dy, 4, 8 + dy, 3);
                    c.line(4, 8 + dy, 7, 5 + dy, 3);
                    c.line(8, 10 + dy, 10, 12 + dy, 3);
                    c.line(10, 12 + dy, 12, 10 + dy, 3);
                }
            } else if (which == 2) {  // sun
                for (int i = 0; i < 8; ++i) {
                    const double a = i * kPi / 4;
                    ThickLine(c, 8 + 5.5 * std::cos(a), 8 + 5.5 * std::sin(a),
                              8 + 7.2 * std::cos(a), 8 + 7.2 * std::sin(a), 0.7, 3);
                }
                OutlinedEllipse(c, 8, 8, 4.5, 4.5, 0);
                c.disc(8, 8, 2.2, 1);
            } else {  // kite
                OutlinedPolygon(c, {{8, 0}, {14, 6}, {8, 12}, {2, 6}}, 8, 6, 1);
                c.line(8, 1, 8, 11, 2);
                c.line(3, 6, 13, 6, 2);
                c.line(8, 12, 6, 15, 3);
                c.fillRect(5, 14, 3, 1, 3);
            }
            break;
        case Theme::Space:
            if (which == 0) {  // rocket
                OutlinedPolygon(c, {{2, 15}, {5, 10}, {5, 14}}, 4, 13, 2);
                OutlinedPolygon(c, {{14, 15}, {11, 10}, {11, 14}}, 12, 13, 2);
                OutlinedEllipse(c, 8, 8, 4, 7.5, 0);
                c.disc(8, 6.5, 2.2, 3);
                c.disc(8, 6.5, 1.2, 1);
                c.fillRect(6, 13, 4, 3, 3);
            } else if (which == 1) {  // saucer
                OutlinedEllipse(c, 8, 7, 3.8, 4, 0);
                OutlinedEllipse(c, 8, 10, 7.5, 3, 1);
                for (int x : {3, 6, 10, 13}) {
                    c.set(x, 10, 3);
                }
                c.line(5, 13, 3, 15, 3);
                c.line(11, 13, 13, 15, 3);
            } else if (which == 2) {  // banded planet
                OutlinedEllipse(c, 8, 8, 6.5, 6.5, 1);
                c.fillRect(3, 6, 10, 1, 2);
                c.fillRect(2, 9, 12, 2, 2);
                c.ellipse(5.5, 4.5, 1.5, 1, 0);
            } else {  // star
                c.polygon(StarPoints(8, 8.5, 7.8, 3.4), 3);
                c.polygon(StarPoints(8, 8.5, 5.8, 2.4), 1);
                c.set(7, 6, 0);
            }
            break;
        case Theme::Giant:
            if (which == 0) {  // screw head
                OutlinedEllipse(c, 8, 9, 6.5, 6.5, 1);
                c.ellipse(6, 6.5, 2, 1.2, 0);
                c.line(4, 12, 12, 6, 3);
                c.line(4, 13, 12, 7, 3);
            } else if (which == 1) {  // pencil stub
                OutlinedPolygon(c, {{4.5, 6}, {11.5, 6}, {8, 0}}, 8, 4, 0);
                c.fillRect(7, 0, 2, 2, 3);
                c.fillRect(4, 6, 8, 10, 3);
                c.fillRect(5, 6, 6, 10, 1);
                c.fillRect(7, 6, 2, 8, 2);
                c.fillRect(5, 13, 6, 2, 2);
            } else if (which == 2) {  // button
                OutlinedEllipse(c, 8, 8, 7, 7, 2);
                c.ellipse(8, 8, 4.5, 4.5, 1);
                for (int dx : {-2, 2}) {
                    for (int dy : {-2, 2}) {
                        c.disc(8 + dx, 8 + dy, 1, 3);
                    }
                }
            } else {  // die
                c.fillRect(1, 2, 14, 14, 3);
                c.fillRect(2, 3, 12, 12, 0);
                c.fillRect(2, 13, 12, 2, 1);
                for (const auto& p :
                     {std::array<int, 2>{5, 6}, {11, 6}, {8, 9}, {5, 12}, {11, 12}}) {
                    c.fillRect(p[0] - 1, p[1] - 1, 2, 2, 3);
                }
            }
            break;
    }
    return c;
}

ShadeCanvas DrawLandmark(Theme theme, const ShadeCanvas& sky) {
    ShadeCanvas c = TiledSky(sky, 32, 32);
    switch (theme) {
        case Theme::Forest:
            c.fillRect(12, 26, 8, 6, 3);
            c.fillRect(13, 26, 6, 6, 2);
            OutlinedPolygon(c, {{16, 13}, {30, 28}, {2, 28}}, 16, 23, 2);
            OutlinedPolygon(c, {{16, 6}, {27, 20}, {5, 20}}, 16, 15, 2);
            OutlinedPolygon(c, {{16, 0}, {24, 12}, {8, 12}}, 16, 8, 2);
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    if (c.at(x, y) == 2 && y < 28 && TextureNoise(x, y, 11) % 6 == 0) {
                        c.set(x, y, 1);
                    }
                }
            }
            break;
        case Theme::Spooky: {
            const double limbs[7][4] = {{16, 31, 16, 14}, {16, 18, 7, 9},  {7, 9, 3, 10},
                                        {7, 9, 6, 3},     {16, 15, 25, 7}, {25, 7, 29, 8},
                                        {16, 14, 17, 2}};
            for (int i = 0; i < 7; ++i) {
                const double r = i == 0 ? 3 : 1.2;
                ThickLine(c, limbs[i][0], limbs[i][1], limbs[i][2], limbs[i][3], r, 3);
            }
            ThickLine(c, 16, 31, 16, 16, 1.6, 2);
            c.disc(15, 22, 1.2, 0);
            break;
        }
        case Theme::Castle:  // a hanging banner
            c.fillRect(2, 1, 28, 2, 3);
            OutlinedPolygon(c, {{6, 2}, {26, 2}, {26, 30}, {16, 24}, {6, 30}}, 16, 14, 2);
            c.fillRect(8, 4, 1, 20, 1);
            OutlinedEllipse(c, 16, 12, 6, 6, 0);
            c.fillRect(15, 8, 2, 9, 3);
            c.fillRect(12, 11, 8, 2, 3);
            break;
        case Theme::Sea: {
            const double branches[7][4] = {{16, 31, 16, 18}, {16, 20, 8, 12}, {8, 12, 6, 3},
                                           {8, 13, 2, 10},   {16, 18, 24, 9}, {24, 9, 26, 2},
                                           {24, 11, 30, 10}};
            for (const auto& b : branches) {
                ThickLine(c, b[0], b[1], b[2], b[3], 2.8, 3);
            }
            for (const auto& b : branches) {
                ThickLine(c, b[0], b[1], b[2], b[3], 1.6, 1);
            }
            for (const auto& b : branches) {
                c.disc(b[2], b[3], 1, 0);
            }
            break;
        }
        case Theme::Sky:  // the sun
            for (int i = 0; i < 12; ++i) {
                const double a = i * kPi / 6;
                ThickLine(c, 16 + 11 * std::cos(a), 16 + 11 * std::sin(a), 16 + 15 * std::cos(a),
                          16 + 15 * std::sin(a), 1.1, i % 2 ? 2 : 3);
            }
            OutlinedEllipse(c, 16, 16, 9.5, 9.5, 0);
            c.disc(16, 16, 7, 1);
            c.disc(13, 13, 2.5, 0);
            break;
        case Theme::Space:  // a ringed planet
            c.ellipse(16, 17, 15.5, 5, 3);
            c.ellipse(16, 17, 14, 3.5, 1);
            c.ellipse(16, 17, 11, 2.2, 3);
            OutlinedEllipse(c, 16, 15, 9.5, 9.5, 1);
            c.fillRect(8, 10, 17, 2, 2);
            c.fillRect(7, 14, 19, 1, 2);
            c.disc(12, 9, 2, 0);
            for (int y = 17; y < 24; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const double u = (x + 0.5 - 16) / 15.5;
                    const double v = (y + 0.5 - 17) / 5.0;
                    const double ui = (x + 0.5 - 16) / 11.0;
                    const double vi = (y + 0.5 - 17) / 2.2;
                    if (u * u + v * v <= 1 && ui * ui + vi * vi > 1) {
                        const double uo = (x + 0.5 - 16) / 14.0;
                        const double vo = (y + 0.5 - 17) / 3.5;
                        c.set(x, y, uo * uo + vo * vo <= 1 ? 1 : 3);
                    }
                }
            }
            break;
        case Theme::Giant:  // an apple
            Blob(c, {{11, 19, 9}, {21, 19, 9}, {16, 23, 8}}, {1, 2, 0, 2, 11});
            c.ellipse(10, 15, 2.5, 1.6, 0);
            ThickLine(c, 16, 11, 17, 3, 1, 3);
            OutlinedEllipse(c, 22, 5, 5, 2.6, 2);
            break;
        default:
            c.fillRect(12, 22, 8, 10, 3);
            c.fillRect(13, 22, 6, 10, 2);
            c.fillRect(15, 25, 1, 6, 3);
            Blob(c, {{16, 11, 10}, {8, 15, 7}, {24, 15, 7}, {16, 18, 8}}, {2, 3, 1, 1, 5});
            break;
    }
    return c;
}

}  // namespace zantor
