#include <gtest/gtest.h>

#include "account/MemorySetting.h"

namespace {

TEST(MemorySetting, NumbersAsTheLocaleParserReadsThem) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1024", 1024},
        {" 512 ", 512},
        {"+3", 3},
        {"-3", -3},
        {"1.5", 1.5},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"2E-1", 0.2},
        {"0", 0},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1e", std::nullopt},
        {".", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"1 2", std::nullopt},
        {"１０２４", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseNumber(text), value) << '"' << text << '"';
}

TEST(MemorySetting, MemoryBoxShowsTheNearestWholeNumberOrKeepsItsText) {
    const std::pair<const char*, const char*> cases[] = {
        {"2048", "2048"}, {"1.5", "2"}, {"2.5", "2"},     {"3.5", "4"},     {"-0.4", "0"},
        {" 700 ", "700"}, {"", "1024"}, {"lots", "1024"}, {"1e12", "1024"},
    };
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(memoryBoxText(stored, "1024"), shown) << stored;
}

// The settings window saves any positive number ("1.5" included); the launch converts it
// instead of refusing what was saved as valid.
TEST(MemorySetting, SavedNumbersBecomePositive32BitWholeNumbers) {
    struct Case {
        const char* text;
        std::optional<int32_t> expected;
    };
    const Case cases[] = {
        {"2048", 2048},     {" 1024 ", 1024}, {"2147483647", 2147483647},
        {"2147483648", {}}, {"0", {}},        {"-1", {}},
        {"+1", 1},          {"1.5", 2},       {"2.5", 2},
        {"1e3", 1000},      {"0.4", {}},      {"1024MB", {}},
        {"", {}},           {"  ", {}},       {"１０２４", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseMemoryMb(c.text), c.expected) << c.text;
}

TEST(MemorySetting, MemoryProposalIsHalfTheTotal) {
    EXPECT_EQ(proposedMemoryText(8192), "4096");
    EXPECT_EQ(proposedMemoryText(8191), "4095");
    EXPECT_EQ(proposedMemoryText(0), "0");
}

}  // namespace
