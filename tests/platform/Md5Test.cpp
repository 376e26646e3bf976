#include "platform/Md5.h"

#include <gtest/gtest.h>

namespace {

// Lengths around the 56-byte mark decide whether the length field needs a block of its own.
TEST(Md5, KnownDigestsInAnySplit) {
    struct Case {
        std::string input;
        std::string digest;
    };
    const std::vector<Case> cases = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
        {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
        {std::string(1000, 'a'), "cabe45dcc9ae5b66ba86600cca6b8ba8"},
        {"OfflinePlayer:玩家", "511a6918f6691b23ba72decf60a9cb59"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::md5Hex(c.input), c.digest) << c.input.size();
        for (size_t step : {1u, 63u, 65u}) {
            platform::Md5 md5;
            for (size_t at = 0; at < c.input.size(); at += step)
                md5.update(std::string_view(c.input).substr(at, step));
            std::array<uint8_t, 16> digest = md5.finish();
            EXPECT_EQ(platform::lowerHex(digest.data(), digest.size()), c.digest) << step;
        }
    }
}

}  // namespace
