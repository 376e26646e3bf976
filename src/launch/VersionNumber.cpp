#include "launch/VersionNumber.h"

#include <charconv>
#include <vector>

#include "platform/Utf8.h"

double versionNumber(std::string_view versionId) {
    size_t dot = versionId.find('.');
    std::string_view rest = dot == std::string_view::npos ? versionId : versionId.substr(dot + 1);
    size_t blanks = rest.find_first_not_of(" \t");
    if (blanks == std::string_view::npos) return 0.0;
    rest.remove_prefix(blanks);
    // from_chars takes a minus sign but no plus sign.
    if (rest.front() == '+') rest.remove_prefix(1);
    double value = 0.0;
    // Fixed format: no exponent, no hexadecimal, no "inf"/"nan" words.
    auto [end, error] =
        std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end == rest.data()) return 0.0;
    return value;
}

bool isSnapshotShaped(std::string_view versionId) {
    // Characters, not bytes: a Chinese id of six characters is six characters long.
    std::vector<std::string_view> characters;
    for (size_t i = 0; i < versionId.size();) {
        size_t length = platform::utf8SequenceLength(static_cast<unsigned char>(versionId[i]));
        characters.push_back(versionId.substr(i, length));
        i += length;
    }
    return characters.size() == 6 && characters[2] == "w";
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
