#include <gtest/gtest.h>

#include "account/SignInReply.h"

namespace {

TEST(SignInReply, CutsTheThreeValuesOrFails) {
    struct Case {
        const char* reply;
        std::optional<SignInReply> expected;
    };
    const Case cases[] = {
        {"{\"accessToken\":\"t\",\"availableProfiles\":[{\"id\":\"p\",\"name\":\"中文名\"}]}",
         SignInReply{"t", "p", "中文名"}},
        // Without profile the id and the name stay empty; the caller keeps its own name.
        {"{\"accessToken\":\"t\",\"availableProfiles\":[]}", SignInReply{"t", "", ""}},
        {"{\"accessToken\":\"t\",\"id\":\"p", SignInReply{"t", "", ""}},
        {"{ \"accessToken\":\"t\"}", std::nullopt},
        {"{\"accessToken\":\"\"}", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cutSignInReply(c.reply), c.expected) << c.reply;
}

}  // namespace
