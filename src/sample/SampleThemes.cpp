#include "SampleThemes.h"

#include <array>
#include <cstddef>

namespace zantor {

uint8_t ThemePalette(Theme theme) {
    static constexpr std::array<uint8_t, kThemeCount> palettes{0xE4, 0xD8, 0x1B, 0xE1,
                                                               0xB4, 0x6C, 0x93, 0x4E};
    return palettes[size_t(theme)];
}

bool ThemeIsNegative(Theme theme) {
    return theme == Theme::Spooky || theme == Theme::Space;
}

}  // namespace zantor
