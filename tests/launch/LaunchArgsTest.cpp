#include <gtest/gtest.h>

#include "launch/LaunchArgs.h"

TEST(LaunchArgs, JoinDropsOnlyLeadingEmptyElements) {
    LaunchArgs args;
    EXPECT_EQ(args.JoinArgs(), "");
    for (const char* element : {"", "", "-a", "", "b c"})
        args.AddArg(element);
    EXPECT_EQ(args.JoinArgs(), "-a  b c");
}

TEST(LaunchArgs, HoldsAtMostTheCountTheCommandLineTakes) {
    LaunchArgs args;
    for (size_t i = 0; i < LaunchArgs::kMaxElements; ++i)
        ASSERT_TRUE(args.AddArg("x"));
    EXPECT_FALSE(args.AddArg("y"));
    EXPECT_EQ(args.elements().size(), LaunchArgs::kMaxElements);
}
