#pragma once
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

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

}  // namespace platform
