#include "account/SignIn.h"

#include <cstdio>

#include "platform/CodePage.h"

namespace {

size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

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
        size_t length = std::min(utf8Length(static_cast<unsigned char>(text[i])), text.size() - i);
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

std::string EscapeJsonString(const std::string& text) {
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

std::string PostJson(const LauncherContext& context, const std::string& url,
                     const std::string& body) {
    platform::HttpResponse response =
        context.http().postJson(url, EscapeDoubleByte(body), platform::HttpTimeouts{});
    return response.completed ? response.body : std::string{};
}

std::string SignIn(const LauncherContext& context, const std::string& userName,
                   const std::string& password) {
    // The names are escaped so that a quote in a password cannot change the request.
    std::string body = R"({"agent": {"name": "Minecraft","version": 1},"username": ")" +
                       EscapeJsonString(userName) + R"(","password": ")" +
                       EscapeJsonString(password) + R"(","requestUser":true})";
    return PostJson(context, context.services.auth + "/authenticate", body);
}
