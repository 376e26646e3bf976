#include "account/TestSignIn.h"

#include "account/SignInReply.h"

SignInReport describeTestSignIn(const std::string& reply) {
    if (std::optional<SignInReply> signedIn = CutSignInReply(reply)) {
        return {"accessToken=" + signedIn->accessToken + "\r\nid=" + signedIn->profileId,
                "测试登录成功", platform::MessageIcon::None};
    }
    if (reply.empty())
        return {"测试登录失败：没有收到认证服务器的回复，请检查网络连接。", "测试登录失败",
                platform::MessageIcon::Warning};
    return {"测试登录失败，认证服务器的回复是：\r\n" + reply, "测试登录失败",
            platform::MessageIcon::Warning};
}

SignInReport describeTestSignIn(const platform::Result<std::string>& signIn) {
    if (signIn) return describeTestSignIn(signIn.value());
    return {"测试登录失败：没有收到认证服务器的回复，请检查网络连接。\r\n" + signIn.reason(),
            "测试登录失败", platform::MessageIcon::Warning};
}
