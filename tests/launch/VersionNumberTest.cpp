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

TEST(MainClass, CutBehindTheMarker) {
    EXPECT_EQ(findMainClass("\r\n  \"mainClass\": \"net.minecraft.client.main.Main\",\r\n"),
              "net.minecraft.client.main.Main");
    EXPECT_EQ(findMainClass("\"mainClass\": \"a\" \"mainClass\": \"b\""), "a");
    EXPECT_FALSE(findMainClass("\"mainClass\":\"M\""));
    EXPECT_FALSE(findMainClass("\"mainClass\": \"\", \"id\": \"x\""));
    EXPECT_FALSE(findMainClass("\"mainClass\": \"M"));
    EXPECT_FALSE(findMainClass("\"mainClass\": \""));
}
