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
        EXPECT_DOUBLE_EQ(VersionNumber(c.id), c.expected) << c.id;
}

TEST(VersionNumber, SnapshotShape) {
    EXPECT_TRUE(IsSnapshotShaped("14w02a"));
    EXPECT_TRUE(IsSnapshotShaped("版本w中文字"));
    EXPECT_FALSE(IsSnapshotShaped("14W02A"));
    EXPECT_FALSE(IsSnapshotShaped("14w02"));
    EXPECT_FALSE(IsSnapshotShaped("14w02ab"));
    EXPECT_FALSE(IsSnapshotShaped("1.7.10"));
}

TEST(MainClass, CutBehindTheMarker) {
    EXPECT_EQ(FindMainClass("\r\n  \"mainClass\": \"net.minecraft.client.main.Main\",\r\n"),
              "net.minecraft.client.main.Main");
    EXPECT_EQ(FindMainClass("\"mainClass\": \"a\" \"mainClass\": \"b\""), "a");
    EXPECT_FALSE(FindMainClass("\"mainClass\":\"M\""));
    EXPECT_FALSE(FindMainClass("\"mainClass\": \"\", \"id\": \"x\""));
    EXPECT_FALSE(FindMainClass("\"mainClass\": \"M"));
    EXPECT_FALSE(FindMainClass("\"mainClass\": \""));
}
