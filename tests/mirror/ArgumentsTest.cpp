#include "mirror/Arguments.h"

#include <gtest/gtest.h>

#include "mirror/Sync.h"

namespace {

using Words = std::vector<std::string>;

TEST(Arguments, TakesEachCommandsOptionsAndRefusesWrongCalls) {
    struct Case {
        Words words;
        std::map<std::string, std::string> options;  // empty with a failure
        std::string failure;                         // a part of the reason
    };
    const std::vector<Case> cases = {
        {{"sync", "--out", "/m", "--versions", "1.7.10,1.12.2", "--jobs", "8"},
         {{"out", "/m"}, {"versions", "1.7.10,1.12.2"}, {"jobs", "8"}},
         ""},
        {{"sync", "--all-releases", "--out", "/m"}, {{"all-releases", ""}, {"out", "/m"}}, ""},
        {{"from-folder", "--game", "/g/.minecraft", "--out", "/m"},
         {{"game", "/g/.minecraft"}, {"out", "/m"}},
         ""},
        {{"serve", "--tree", "/m", "--port", "9000"}, {{"tree", "/m"}, {"port", "9000"}}, ""},
        {{}, {}, "缺少命令"},
        {{"mirror"}, {}, "未知的命令“mirror”"},
        {{"sync", "--versions", "1.8"}, {}, "需要 --out"},
        {{"serve", "--tree"}, {}, "--tree 缺少值"},
        {{"serve", "--tree", "/a", "--tree", "/b"}, {}, "给了两次"},
        {{"from-folder", "--game", "/g", "--out", "/m", "--jobs", "4"}, {}, "不认识“--jobs”"},
        {{"sync", "--out", "/m", "extra"}, {}, "不认识“extra”"},
        {{"serve", "--all-releases", "--tree", "/m"}, {}, "不认识“--all-releases”"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.empty() ? "(nothing)"
                                     : c.words[0] + " #" + std::to_string(c.words.size()));
        platform::Result<mirror::Arguments> parsed = mirror::parseArguments(c.words);
        if (c.failure.empty()) {
            ASSERT_TRUE(parsed) << parsed.reason();
            EXPECT_EQ(parsed->options, c.options);
        } else {
            ASSERT_FALSE(parsed);
            EXPECT_NE(parsed.reason().find(c.failure), std::string::npos) << parsed.reason();
        }
    }
}

TEST(Arguments, VersionListDropsBlanksAndEmptyParts) {
    const std::vector<std::pair<std::string, Words>> cases = {
        {"1.7.10, 1.12.2", {"1.7.10", "1.12.2"}},
        {" 1.8 ,,\t1.9 ,", {"1.8", "1.9"}},
        {"14w02a", {"14w02a"}},
        {"", {}},
        {" , ", {}},
    };
    for (const auto& [text, ids] : cases)
        EXPECT_EQ(mirror::versionList(text), ids) << text;
}

}  // namespace
