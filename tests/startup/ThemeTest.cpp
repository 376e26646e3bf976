#include <gtest/gtest.h>

#include "startup/Theme.h"

namespace {

TEST(ThemeTest, StoredNamesGiveTheirColourWithoutRegardToCase) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"green", 0x339344},  {"GREEN", 0x339344}, {"Green", 0x339344},  {"blue", 0x077DB6},
        {"orange", 0xCA5A09}, {"red", 0x800000},   {"PURPLE", 0x400040}, {"gray", 0x525252},
        {"grey", 0x525252},   {"", 0x525252},      {"pink", 0x525252},   {" green", 0x525252},
        {"绿", 0x525252},
    };
    for (const auto& [name, colour] : cases)
        EXPECT_EQ(themeColour(name), colour) << '"' << name << '"';
}

TEST(ThemeTest, PlatformValuesPutRedInTheLowByte) {
    const std::pair<const char*, uint32_t> stored[] = {
        {"green", 4494131}, {"blue", 11959559},  {"orange", 613066},
        {"red", 128},       {"purple", 4194368}, {"gray", 5395026},
    };
    for (const auto& [name, value] : stored)
        EXPECT_EQ(platformColourValue(themeColour(name)), value) << name;
}

}  // namespace
