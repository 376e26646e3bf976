#include <gtest/gtest.h>

#include "LoopbackHttpServer.h"
#include "TestLauncher.h"
#include "account/SignIn.h"

using testing_support::LoopbackHttpServer;
using testing_support::TestLauncher;

TEST(EscapeDoubleByte, EscapesOnlyDoubleByteCharacters) {
    struct Case {
        std::string text, escaped;
    };
    const Case cases[] = {
        {"中", "%D6%D0"},
        {"steve 100% \"&+", "steve 100% \"&+"},
        {"玩家a", "%CD%E6%BC%D2a"},
        {"é", "%A8%A6"},  // a pinyin letter: GBK holds it as two bytes
        {"ñä", "ñä"},     // GBK lacks them: sent as the characters themselves
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EscapeDoubleByte(c.text), c.escaped) << c.text;
}

TEST(SignIn, SendsTheFixedBodyAndReturnsTheReplyWhateverTheStatus) {
    const std::string error = R"({"error":"ForbiddenOperationException"})";
    LoopbackHttpServer server(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(403, error)));
    TestLauncher launcher;
    launcher.context.services.auth = server.baseUrl();

    EXPECT_EQ(SignIn(launcher.context, "steve", "").value(), error);
    EXPECT_EQ(SignIn(launcher.context, "中", "p\"w\\").value(), error);

    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string first =
        R"({"agent": {"name": "Minecraft","version": 1},"username": "steve","password": "","requestUser":true})";
    EXPECT_TRUE(requests[0].starts_with("POST /authenticate HTTP/1.1\r\n")) << requests[0];
    EXPECT_NE(requests[0].find("\r\nCONTENT-TYPE: application/json\r\n"), std::string::npos);
    EXPECT_TRUE(requests[0].ends_with("\r\n\r\n" + first)) << requests[0];
    // A quote in the password stays inside its JSON string.
    EXPECT_TRUE(
        requests[1].ends_with(R"("username": "%D6%D0","password": "p\"w\\","requestUser":true})"))
        << requests[1];
}

TEST(SignIn, NoServerFailsNamingTheCause) {
    TestLauncher launcher;
    launcher.context.services.auth = testing_support::unusedLoopbackUrl();
    platform::Result<std::string> reply = SignIn(launcher.context, "steve", "pw");
    ASSERT_FALSE(reply.ok());
    // The cause, not an empty reply: the service cannot be reached, and the system says why.
    EXPECT_TRUE(reply.reason().starts_with("无法连接验证服务器：")) << reply.reason();
    EXPECT_GT(reply.reason().size(), std::string("无法连接验证服务器：").size());
}
