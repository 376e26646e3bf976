#include "startup/Theme.h"

#include "platform/AsciiText.h"

uint32_t themeColour(const std::string& themeName) {
    const std::string lower = platform::lowerAscii(themeName);
    for (const Theme& theme : kThemes) {
        if (lower == theme.name) return theme.colour;
    }
    return kDefaultBackground;
}

uint32_t platformColourValue(uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
