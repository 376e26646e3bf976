#include <gtest/gtest.h>

#include "CommandLineCases.h"
#include "platform/CommandLine.h"

TEST(CommandLine, SplitsByTheWindowsRules) {
    for (const testing_support::CommandLineCase& c : testing_support::commandLineCases())
        EXPECT_EQ(platform::splitWindowsCommandLine(c.line), c.words) << c.line;
}
