#include <gtest/gtest.h>

#include "platform/CodePage.h"

TEST(CodePage, ChineseTextRoundTripsThroughGbkBytes) {
    EXPECT_EQ(platform::toCodePage("中"), "\xD6\xD0");
    EXPECT_EQ(platform::fromCodePage("\xD6\xD0"), "中");
    EXPECT_EQ(platform::fromCodePage(platform::toCodePage("玩家 Steve 一号")), "玩家 Steve 一号");
}

TEST(CodePage, CharactersOutsideTheCodePage) {
    EXPECT_EQ(platform::toCodePage("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji GBK lacks
    EXPECT_EQ(platform::codePageBytesOf("中"), "\xD6\xD0");
    EXPECT_EQ(platform::codePageBytesOf("\xF0\x9F\x98\x80"), "");
    EXPECT_EQ(platform::codePageBytesOf("?"), "?");
    EXPECT_EQ(platform::fromCodePage("a\xFF"), "a\xEF\xBF\xBD");
}
