#include "launch/VersionNumber.h"

#include <charconv>

#include "platform/Utf8.h"

namespace {

std::string_view afterFirstDot(std::string_view versionId) {
    size_t dot = versionId.find('.');
    return dot == std::string_view::npos ? versionId : versionId.substr(dot + 1);
}

// The value of the longest run of digits with at most one decimal point at the start of `text`.
double leadingDecimal(std::string_view text) {
    size_t length = 0;
    bool pointSeen = false;
    for (; length < text.size(); ++length) {
        char c = text[length];
        if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else if (c < '0' || c > '9') {
            break;
        }
    }
    double value = 0.0;
    // A lone "." is no number: from_chars fails and leaves the value at 0.
    std::from_chars(text.data(), text.data() + length, value, std::chars_format::fixed);
    return value;
}

}  // namespace

double versionNumber(std::string_view versionId) {
    std::string_view rest = afterFirstDot(versionId);
    size_t blanks = rest.find_first_not_of(" \t");
    if (blanks == std::string_view::npos) return 0.0;
    rest.remove_prefix(blanks);
    double sign = 1.0;
    if (rest.front() == '+' || rest.front() == '-') {
        sign = rest.front() == '-' ? -1.0 : 1.0;
        rest.remove_prefix(1);
    }
    return sign * leadingDecimal(rest);
}

double minorNumberValue(std::string_view versionId) {
    return leadingDecimal(afterFirstDot(versionId));
}

bool isSnapshotShaped(std::string_view versionId) {
    size_t characters = 0;
    bool thirdIsW = false;
    for (size_t i = 0; i < versionId.size(); ++characters) {
        size_t length = platform::utf8CharacterLength(versionId, i);
        if (characters == 2) thirdIsW = versionId.substr(i, length) == "w";
        i += length;
    }
    return characters == 6 && thirdIsW;
}

std::optional<std::string> findMainClass(std::string_view versionText) {
    constexpr std::string_view kMarker = "\"mainClass\": \"";
    size_t marker = versionText.find(kMarker);
    if (marker == std::string_view::npos) return std::nullopt;
    size_t start = marker + kMarker.size();
    // An empty name (the closing quote right behind the opening one) is a broken JSON, not
    // a class: the cut would run on into the following keys.
    if (start >= versionText.size() || versionText[start] == '"') return std::nullopt;
    size_t close = versionText.find('"', start + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(versionText.substr(start, close - start));
}
