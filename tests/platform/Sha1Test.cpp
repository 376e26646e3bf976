#include "platform/Sha1.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace {

TEST(Sha1, KnownDigestsInAnySplit) {
    const std::string million(1'000'000, 'a');
    struct Case {
        std::string input;
        std::string digest;
    };
    const std::vector<Case> cases = {
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {million, "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::sha1Hex(c.input), c.digest);
        for (size_t step : {1u, 55u, 63u, 64u, 65u}) {
            platform::Sha1 sha;
            for (size_t at = 0; at < c.input.size() && at < 4096; at += step)
                sha.update(std::string_view(c.input).substr(at, step));
            if (c.input.size() <= 4096) {
                EXPECT_EQ(sha.finishHex(), c.digest) << step;
            }
        }
    }
}

TEST(Sha1, FilesAreHashedOrSayWhyNot) {
    testing_support::TempFolder folder{"散列"};
    platform::Result<std::string> hashed = platform::sha1OfFile(folder.write("文件", "abc"));
    ASSERT_TRUE(hashed);
    EXPECT_EQ(hashed.value(), "a9993e364706816aba3e25717850c26c9cd0d89d");
    platform::Result<std::string> missing = platform::sha1OfFile(folder.file("无"));
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.reason().find("无法打开文件"), std::string::npos);
}

}  // namespace
