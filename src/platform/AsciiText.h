#pragma once
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// `text` without the leading and trailing characters found in `blanks`.
inline std::string trimmed(std::string_view text, std::string_view blanks = " \t") {
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

// `text` with the ASCII letters in lower case (other bytes, UTF-8 included, unchanged).
inline std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// `text` with every `from` replaced by `to` in one pass from the left; replaced text is not
// searched again. An empty `from` changes nothing.
inline std::string replacedAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    size_t start = 0;
    for (size_t found; (found = text.find(from, start)) != std::string_view::npos;
         start = found + from.size()) {
        result.append(text.substr(start, found - start));
        result.append(to);
    }
    result.append(text.substr(start));
    return result;
}

// The pieces of `text` between the `separator` characters; one piece more than separators.
inline std::vector<std::string> splitAt(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t found; (found = text.find(separator, start)) != std::string_view::npos;
         start = found + 1)
        pieces.emplace_back(text.substr(start, found - start));
    pieces.emplace_back(text.substr(start));
    return pieces;
}

}  // namespace platform
