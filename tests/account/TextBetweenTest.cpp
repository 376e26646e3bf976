#include <gtest/gtest.h>

#include "account/TextBetween.h"

TEST(TextBetween, CutsOrReportsTheCode) {
    struct Case {
        std::string text, start, end;
        int endMode, startMode, endAfterStart;
        std::string result;
        int status;  // after the call, starting from 42
    };
    const std::string jar = R"("C:\Java\bin\javaw.exe" -jar "%1")";
    const Case cases[] = {
        {jar, "\"", "\"", 0, 0, 1, R"(C:\Java\bin\javaw.exe)", 42},
        {"Error", "\"", "\"", 0, 0, 1, "1", 1},
        {"only \" one", "\"", "\"", 0, 0, 1, "2", 2},
        {"", "\"", "\"", 0, 0, 1, "0", 0},
        {"key=value", "=", "", 0, 0, 1, "value", 42},
        {"abc", "", "c", 0, 0, 1, "ab", 42},
        // The end marker first occurs inside the start marker's span.
        {"<ab>x", "<ab", "b", 0, 0, 0, "0", 0},
        {"a[1]b[2]", "[", "]", 0, 1, 1, "2", 42},
        {"a[1]b[2]", "[", "]", 1, 0, 1, "1]b[2", 42},
        {"a[1]b[2]", "[", "]", 2, 0, 1, "2", 2},
        {"a[1]", "[", "]", 0, 2, 1, "1", 1},
        {"【新版本】", "【", "】", 0, 0, 1, "新版本", 42},
        {"x]", "x]", "]", 0, 0, 1, "2", 2},
    };
    for (const Case& c : cases) {
        int status = 42;
        EXPECT_EQ(
            TextBetween(c.text, c.start, c.end, c.endMode, c.startMode, c.endAfterStart, status),
            c.result)
            << c.text;
        EXPECT_EQ(status, c.status) << c.text;
    }
}
