#include "account/SignInReply.h"

#include <string_view>

namespace {

// The value behind the first `marker`, up to the next double quote; nullopt when the
// marker or the closing quote is missing.
std::optional<std::string> cut(const std::string& reply, std::string_view marker) {
    size_t at = reply.find(marker);
    if (at == std::string::npos) return std::nullopt;
    size_t start = at + marker.size();
    size_t close = reply.find('"', start);
    if (close == std::string::npos) return std::nullopt;
    return reply.substr(start, close - start);
}

}  // namespace

std::optional<SignInReply> cutSignInReply(const std::string& reply) {
    std::optional<std::string> token = cut(reply, "{\"accessToken\":\"");
    if (!token || token->empty()) return std::nullopt;
    return SignInReply{*token, cut(reply, "\"id\":\"").value_or(""),
                       cut(reply, "\"name\":\"").value_or("")};
}
