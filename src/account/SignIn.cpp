#include "account/SignIn.h"

#include <cstdio>

#include "account/SignInReply.h"
#include "platform/CodePage.h"
#include "platform/Utf8.h"

namespace {

std::string hexByte(unsigned char byte) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%X", byte);
    return buffer;
}

}  // namespace

std::string EscapeDoubleByte(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = std::min(platform::utf8SequenceLength(static_cast<unsigned char>(text[i])),
                                 text.size() - i);
        std::string character = text.substr(i, length);
        i += length;
        std::string bytes = length == 1 ? character : platform::codePageBytesOf(character);
        if (bytes.size() == 2) {
            escaped += "%" + hexByte(static_cast<unsigned char>(bytes[0])) + "%" +
                       hexByte(static_cast<unsigned char>(bytes[1]));
        } else {
            escaped += character;
        }
    }
    return escaped;
}

std::string escapeJsonString(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '"':
                escaped += "\\\"";
                break;
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\b':
                escaped += "\\b";
                break;
            case '\f':
                escaped += "\\f";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
                    escaped += buffer;
                } else {
                    escaped += c;
                }
        }
    }
    return escaped;
}

platform::Result<std::string> SignIn(const LauncherContext& context, const std::string& userName,
                                     const std::string& password) {
    // The names are escaped so that a quote in a password cannot change the request.
    std::string body = R"({"agent": {"name": "Minecraft","version": 1},"username": ")" +
                       escapeJsonString(userName) + R"(","password": ")" +
                       escapeJsonString(password) + R"(","requestUser":true})";
    platform::Result<platform::HttpAnswer> answer = context.http().postJson(
        context.services.auth + "/authenticate", EscapeDoubleByte(body), platform::HttpTimeouts{});
    // The log names the user and the outcome, never the password or anything of the reply
    // (it carries the access token).
    const std::string who = "正版登录（用户“" + userName + "”）";
    if (!answer) {
        platform::Failure failure{"无法连接验证服务器：" + answer.reason()};
        context.log.write(who + "失败：" + failure.reason);
        return failure;
    }
    std::optional<SignInReply> signedIn = cutSignInReply(answer.value().body);
    context.log.write(signedIn ? who + "成功：玩家“" + signedIn->playerName + "”"
                               : who + "失败：验证服务器回复状态 " +
                                     std::to_string(answer.value().status) + "，没有访问令牌");
    return std::move(answer).value().body;
}
