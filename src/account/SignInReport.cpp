#include "account/SignInReport.h"

#include "account/SignInReply.h"

namespace {

const std::string kNoReply = "测试登录失败：没有收到认证服务器的回复，请检查网络连接。";
const std::string kFailedTitle = "测试登录失败";

}  // namespace

SignInReport describeTestSignIn(const std::string& reply) {
    if (std::optional<SignInReply> signedIn = cutSignInReply(reply)) {
        return {"accessToken=" + signedIn->accessToken + "\r\nid=" + signedIn->profileId,
                "测试登录成功", platform::MessageIcon::None};
    }
    if (reply.empty()) return {kNoReply, kFailedTitle, platform::MessageIcon::Warning};
    return {"测试登录失败，认证服务器的回复是：\r\n" + reply, kFailedTitle,
            platform::MessageIcon::Warning};
}

SignInReport describeTestSignIn(const platform::Result<std::string>& signIn) {
    if (signIn) return describeTestSignIn(signIn.value());
    return {kNoReply + "\r\n" + signIn.reason(), kFailedTitle, platform::MessageIcon::Warning};
}
