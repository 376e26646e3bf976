#include <gtest/gtest.h>

#include "platform/CodePage.h"

TEST(CodePage, ChineseTextRoundTripsThroughGbkBytes) {
    EXPECT_EQ(platform::toCodePage("中"), "\xD6\xD0");
    EXPECT_EQ(platform::fromCodePage("\xD6\xD0"), "中");
    EXPECT_EQ(platform::fromCodePage(platform::toCodePage("玩家 Steve 一号")), "玩家 Steve 一号");
}

TEST(CodePage, CharactersOutsideTheCodePage) {
    EXPECT_EQ(platform::toCodePage("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji GBK lacks
    EXPECT_EQ(platform::toCodePage("Erd\xC5\x91s"), "Erd?s");      // no look-alike "o" for U+0151
    EXPECT_EQ(platform::codePageBytesOf("中"), "\xD6\xD0");
    EXPECT_EQ(platform::codePageBytesOf("\xF0\x9F\x98\x80"), "");
    EXPECT_EQ(platform::codePageBytesOf("?"), "?");
#ifdef _WIN32
    // Windows's own table for code page 936 gives 0xFF a private-use character.
    EXPECT_EQ(platform::fromCodePage("a\xFF"), "a\xEF\xA3\xB5");
#else
    EXPECT_EQ(platform::fromCodePage("a\xFF"), "a\xEF\xBF\xBD");
#endif
}
