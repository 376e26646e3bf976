#include <gtest/gtest.h>

#include "account/SignInReport.h"

namespace {

TEST(SignInReport, ATokenReplyShowsTokenAndId) {
    SignInReport report = describeTestSignIn(
        "{\"accessToken\":\"abc\",\"selectedProfile\":{\"id\":\"0f1e\",\"name\":\"Steve\"}}");
    EXPECT_EQ(report.text, "accessToken=abc\r\nid=0f1e");
    EXPECT_EQ(report.title, "测试登录成功");
    EXPECT_EQ(report.icon, platform::MessageIcon::None);
    EXPECT_EQ(describeTestSignIn("{\"accessToken\":\"t\"}").text, "accessToken=t\r\nid=");
}

TEST(SignInReport, RepliesWithoutTokenAreFailuresShowingWhatCame) {
    const std::string rejected =
        "{\"error\":\"ForbiddenOperationException\",\"errorMessage\":\"Invalid credentials.\"}";
    for (const std::string& reply : {rejected, std::string("{\"accessToken\":\"unclosed")}) {
        SignInReport report = describeTestSignIn(reply);
        EXPECT_EQ(report.title, "测试登录失败");
        EXPECT_EQ(report.icon, platform::MessageIcon::Warning);
        EXPECT_NE(report.text.find(reply), std::string::npos);
    }
    SignInReport none = describeTestSignIn("");
    EXPECT_EQ(none.title, "测试登录失败");
    EXPECT_NE(none.text.find("没有收到"), std::string::npos);
}

// The test button and the launch read replies alike: an empty token is no sign-in.
TEST(SignInReport, AnEmptyTokenIsAFailure) {
    const std::string reply = "{\"accessToken\":\"\",\"id\":\"x\"}";
    SignInReport report = describeTestSignIn(reply);
    EXPECT_EQ(report.title, "测试登录失败");
    EXPECT_NE(report.text.find(reply), std::string::npos);
}

TEST(SignInReport, NoConnectionSaysSoAndWhy) {
    SignInReport report = describeTestSignIn(
        platform::Result<std::string>(platform::Failure{"无法连接验证服务器：Connection refused"}));
    EXPECT_EQ(report.title, "测试登录失败");
    EXPECT_EQ(report.icon, platform::MessageIcon::Warning);
    EXPECT_NE(report.text.find("没有收到"), std::string::npos);
    EXPECT_NE(report.text.find("无法连接验证服务器：Connection refused"), std::string::npos);
}

}  // namespace
