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
