#include "launch/MemorySetting.h"

#include <charconv>

std::optional<int32_t> ParseMemoryMb(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    size_t last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin < '0' || *begin > '9') return std::nullopt;  // no sign
    int32_t value = 0;
    auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || value <= 0) return std::nullopt;
    return value;
}
