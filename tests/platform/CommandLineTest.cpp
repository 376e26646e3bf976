#include <gtest/gtest.h>

#include "platform/CommandLine.h"

using Words = std::vector<std::string>;

TEST(CommandLine, SplitsByTheWindowsRules) {
    struct Case {
        std::string line;
        Words words;
    };
    const Case cases[] = {
        {R"("C:\Program Files\Java\bin\javaw.exe" -Xmx1024m)",
         {R"(C:\Program Files\Java\bin\javaw.exe)", "-Xmx1024m"}},
        {"a  b\tc", {"a", "b", "c"}},
        {R"(--username "Ste ve" x)", {"--username", "Ste ve", "x"}},
        {R"(a\"b)", {"a\"b"}},
        {R"(a\\"b c")", {R"(a\b c)"}},
        {R"(a\\\"b)", {R"(a\"b)"}},
        {R"(C:\dir\ x)", {R"(C:\dir\)", "x"}},
        {R"("" x)", {"", "x"}},
        {R"("a""b")", {"a\"b"}},
        {"$(rm -rf ~);echo", {"$(rm", "-rf", "~);echo"}},
        {"", {}},
    };
    for (const Case& c : cases)
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
