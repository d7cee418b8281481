#pragma once

#include <cstdint>

namespace zantor {

// The looks of the sample levels. Each theme has its own tile art, stored once as tile set
// number (int) theme, and its own palette under which the art shows as drawn.
enum class Theme : uint8_t { Grassland, Forest, Spooky, Castle, Sea, Sky, Space, Giant };
constexpr int kThemeCount = 8;

// A palette showing all four shades, a different one for every theme.
uint8_t ThemePalette(Theme theme);

// Night themes are drawn as a negative: black sky, light outlines.
bool ThemeIsNegative(Theme theme);

}  // namespace zantor
