#include <gtest/gtest.h>

#include "launch/VersionNumber.h"

TEST(VersionNumber, LeadingNumberAfterTheFirstDot) {
    struct Case {
        const char* id;
        double expected;
    };
    const Case cases[] = {
        {"1.7.10", 7.1},  {"1.6.4", 6.4},
        {"1.12.2", 12.2}, {"1.7.10-Forge10.13.4.1614-1.7.10", 7.1},
        {"14w02a", 14.0}, {"b1.7.3", 7.3},
        {"1.5.9", 5.9},   {"Forge", 0.0},
        {"1.", 0.0},      {"", 0.0},
        {"1.x7", 0.0},    {"1. 8", 8.0},
        {"1.8e3", 8.0},   {"1.0x10", 0.0},
        {"1.-2", -2.0},   {"1.+2", 2.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(versionNumber(c.id), c.expected) << c.id;
}

TEST(VersionNumber, SnapshotShape) {
    EXPECT_TRUE(isSnapshotShaped("14w02a"));
    EXPECT_TRUE(isSnapshotShaped("版本w中文字"));
    EXPECT_FALSE(isSnapshotShaped("14W02A"));
    EXPECT_FALSE(isSnapshotShaped("14w02"));
    EXPECT_FALSE(isSnapshotShaped("14w02ab"));
    EXPECT_FALSE(isSnapshotShaped("1.7.10"));
}

// The launch and the asset installer read the same ids; they part only where blanks or a sign
// follow the dot, and both count the characters of a broken UTF-8 id the same way.
TEST(VersionNumber, LaunchAndAssetReadingsSideBySide) {
    struct Case {
        std::string id;
        double launch;
        double asset;
        bool snapshot;
    };
    const Case cases[] = {
        {"1. 8", 8.0, 0.0, false},
        {"1.-2", -2.0, 0.0, false},
        {"1.7.10", 7.1, 7.1, false},
        {"14w02a", 14.0, 14.0, true},
        {"1.10", 10.0, 10.0, false},
        {"", 0.0, 0.0, false},
        {"abc", 0.0, 0.0, false},
        {"版本w中文字", 0.0, 0.0, true},
        // A stray continuation byte is a character: six characters, "w" third.
        {"1\x80w02a", 1.0, 1.0, true},
        // A cut-off lead byte does not swallow the "4w" behind it.
        {"\xE4"
         "4w02a",
         0.0, 0.0, true},
        {"1.\xFF"
         "8",
         0.0, 0.0, false},
        // Half a three-byte character is two characters, so the "w" behind it is the third.
        {"\xE4\xB8"
         "w02a",
         0.0, 0.0, true},
        {"\xE4\xB8\xAD"
         "w02a",
         0.0, 0.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_DOUBLE_EQ(versionNumber(c.id), c.launch);
        EXPECT_DOUBLE_EQ(minorNumberValue(c.id), c.asset);
        EXPECT_EQ(isSnapshotShaped(c.id), c.snapshot);
    }
}

TEST(MainClass, CutBehindTheMarker) {
    EXPECT_EQ(findMainClass("\r\n  \"mainClass\": \"net.minecraft.client.main.Main\",\r\n"),
              "net.minecraft.client.main.Main");
    EXPECT_EQ(findMainClass("\"mainClass\": \"a\" \"mainClass\": \"b\""), "a");
    EXPECT_FALSE(findMainClass("\"mainClass\":\"M\""));
    EXPECT_FALSE(findMainClass("\"mainClass\": \"\", \"id\": \"x\""));
    EXPECT_FALSE(findMainClass("\"mainClass\": \"M"));
    EXPECT_FALSE(findMainClass("\"mainClass\": \""));
}
