#include "account/TestSignIn.h"

namespace {

// The text after the first `marker` up to the next double quote; nullopt when the marker
// or the closing quote is missing.
std::optional<std::string> valueAfter(const std::string& reply, const std::string& marker) {
    size_t start = reply.find(marker);
    if (start == std::string::npos) return std::nullopt;
    start += marker.size();
    size_t end = reply.find('"', start);
    if (end == std::string::npos) return std::nullopt;
    return reply.substr(start, end - start);
}

}  // namespace

SignInReport describeTestSignIn(const std::string& reply) {
    std::optional<std::string> token = valueAfter(reply, "{\"accessToken\":\"");
    if (token) {
        std::string id = valueAfter(reply, "\"id\":\"").value_or("");
        return {"accessToken=" + *token + "\r\nid=" + id, "测试登录成功",
                platform::MessageIcon::None};
    }
    if (reply.empty())
        return {"测试登录失败：没有收到认证服务器的回复，请检查网络连接。", "测试登录失败",
                platform::MessageIcon::Warning};
    return {"测试登录失败，认证服务器的回复是：\r\n" + reply, "测试登录失败",
            platform::MessageIcon::Warning};
}
