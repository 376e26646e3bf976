#include "startup/Theme.h"

#include <algorithm>

uint32_t themeColour(const std::string& themeName) {
    std::string lower = themeName;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
    });
    for (const Theme& theme : kThemes) {
        if (lower == theme.name) return theme.colour;
    }
    return kDefaultBackground;
}

uint32_t platformColourValue(uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
