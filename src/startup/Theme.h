#pragma once
#include <array>
#include <cstdint>
#include <string>

// The colour themes of the main window's background. Colours are 0xRRGGBB.
struct Theme {
    const char* name;     // as stored in line 5 of config.ini
    const char* caption;  // the settings window's option caption
    uint32_t colour;
};

inline constexpr uint32_t kDefaultBackground = 0x525252;

// In the settings window's order; the first one is chosen when nothing else is.
inline constexpr std::array<Theme, 6> kThemes{{
    {"gray", "灰度", kDefaultBackground},
    {"green", "翠绿", 0x339344},
    {"blue", "海蓝", 0x077DB6},
    {"orange", "橙色", 0xCA5A09},
    {"red", "棕红", 0x800000},
    {"purple", "紫幻", 0x400040},
}};

// The background colour for a stored theme name: compared in lower case with the coloured
// themes; anything else (also "gray", "grey" and "") gives the grey default.
uint32_t themeColour(const std::string& themeName);

// The platform colour value (red in the low byte, blue in the high byte) of 0xRRGGBB.
uint32_t platformColourValue(uint32_t rgb);
