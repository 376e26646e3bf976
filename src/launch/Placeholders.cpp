#include "launch/Placeholders.h"

#include <array>

#include "platform/BlockHash.h"
#include "platform/Md5.h"

namespace {

// Identities a launcher without those accounts cannot give: the game runs without them.
constexpr std::array<std::string_view, 2> kValueless = {"${clientid}", "${auth_xuid}"};

bool holdsValuelessPlaceholder(std::string_view argument) {
    for (std::string_view name : kValueless) {
        if (argument.find(name) != std::string_view::npos) return true;
    }
    return false;
}

}  // namespace

std::string offlinePlayerUuid(const std::string& playerName) {
    platform::Md5 md5;
    md5.update("OfflinePlayer:" + playerName);
    std::array<uint8_t, 16> bytes = md5.finish();
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0f) | 0x30);  // version 3: name-based, MD5
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3f) | 0x80);  // the standard variant
    return platform::lowerHex(bytes.data(), bytes.size());
}

std::string fillPlaceholders(std::string_view text, const PlaceholderTable& table) {
    std::string filled;
    size_t at = 0;
    while (at < text.size()) {
        size_t open = text.find("${", at);
        size_t close = open == std::string_view::npos ? open : text.find('}', open + 2);
        if (close == std::string_view::npos) break;
        auto known = table.find(text.substr(open + 2, close - open - 2));
        filled += text.substr(at, open - at);
        if (known == table.end()) {
            filled += text.substr(open, close + 1 - open);
        } else {
            filled += known->second;
        }
        at = close + 1;
    }
    filled += text.substr(std::min(at, text.size()));
    return filled;
}

std::vector<std::string> fillArgumentList(const std::vector<std::string>& arguments,
                                          const PlaceholderTable& table) {
    std::vector<std::string> filled;
    bool previousKept = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (holdsValuelessPlaceholder(arguments[i])) {
            if (previousKept && arguments[i - 1].starts_with("-")) filled.pop_back();
            previousKept = false;
            continue;
        }
        filled.push_back(fillPlaceholders(arguments[i], table));
        previousKept = true;
    }
    return filled;
}
