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

TEST(CommandLine, WordsAreQuotedOnlyWhenTheSplitNeedsIt) {
    struct Case {
        std::string argument;
        std::string word;
    };
    const std::vector<Case> cases = {
        {"-Xmx1024m", "-Xmx1024m"},
        {R"(C:\游戏\.minecraft\libraries\a.jar;C:\b.jar)",
         R"(C:\游戏\.minecraft\libraries\a.jar;C:\b.jar)"},
        {R"(C:\path\)", R"(C:\path\)"},
        {"", R"("")"},
        {"Ste ve", R"("Ste ve")"},
        {"tab\there", "\"tab\there\""},
        {R"({"a":"b"})", R"("{\"a\":\"b\"}")"},
        {R"(C:\path with blank\)", R"("C:\path with blank\\")"},
    };
    std::string line;
    Words all;
    for (const Case& c : cases) {
        EXPECT_EQ(platform::commandLineWord(c.argument), c.word) << c.argument;
        line += platform::commandLineWord(c.argument) + " ";
        all.push_back(c.argument);
    }
    EXPECT_EQ(platform::splitWindowsCommandLine(line), all);
}
