#include <gtest/gtest.h>

#include "CommandLineCases.h"
#include "platform/CommandLine.h"

using Words = std::vector<std::string>;

TEST(CommandLine, SplitsByTheWindowsRules) {
    for (const testing_support::CommandLineCase& c : testing_support::commandLineCases())
        EXPECT_EQ(platform::splitWindowsCommandLine(c.line), c.words) << c.line;
}

TEST(CommandLine, QuotedArgumentsSplitBackUnchanged) {
    const Words awkward = {
        "plain",
        "with blank",
        "\ttab and  two blanks ",
        "",
        R"(say "hi")",
        R"(")",
        R"(C:\path\)",
        R"(C:\path with blank\\)",
        R"(a\"b)",
        R"(a\\"b)",
        R"(\\server\share)",
        "启动器 文件夹/版本\\1.8",
        "$(rm -rf ~);echo|x",
    };
    std::string line = "/bin/sh";
    for (const std::string& argument : awkward) {
        EXPECT_EQ(platform::splitWindowsCommandLine(platform::commandLineQuoted(argument)),
                  Words{argument})
            << argument;
        line += " " + platform::commandLineQuoted(argument);
    }
    Words all = {"/bin/sh"};
    all.insert(all.end(), awkward.begin(), awkward.end());
    EXPECT_EQ(platform::splitWindowsCommandLine(line), all);
}
