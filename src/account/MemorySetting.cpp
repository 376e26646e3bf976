#include "account/MemorySetting.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t skipDigits(const std::string& text, size_t at) {
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// The extent of a decimal number with optional exponent at `at`, or npos.
size_t numberEnd(const std::string& text, size_t at) {
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    size_t digitsEnd = skipDigits(text, at);
    bool digits = digitsEnd > at;
    at = digitsEnd;
    if (at < text.size() && text[at] == '.') {
        size_t fractionEnd = skipDigits(text, at + 1);
        digits = digits || fractionEnd > at + 1;
        at = fractionEnd;
    }
    if (!digits) return std::string::npos;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd == exponent) return std::string::npos;
        at = exponentEnd;
    }
    return at;
}

// The nearest whole number of a numeric text (halves to even, the default rounding mode)
// when it fits 32 bits.
std::optional<int32_t> nearestWholeNumber(const std::string& text) {
    std::optional<double> value = parseNumber(text);
    if (!value) return std::nullopt;
    double rounded = std::nearbyint(*value);
    if (rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

}  // namespace

std::optional<double> parseNumber(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::nullopt;
    size_t end = numberEnd(text, begin);
    if (end == std::string::npos || text.find_first_not_of(" \t", end) != std::string::npos)
        return std::nullopt;
    double value = std::strtod(text.substr(begin, end - begin).c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int32_t> ParseMemoryMb(const std::string& text) {
    std::optional<int32_t> megabytes = nearestWholeNumber(text);
    if (!megabytes || *megabytes < 1) return std::nullopt;
    return megabytes;
}

std::string memoryBoxText(const std::string& memoryMb, const std::string& fallback) {
    std::optional<int32_t> megabytes = nearestWholeNumber(memoryMb);
    return megabytes ? std::to_string(*megabytes) : fallback;
}

std::string proposedMemoryText(int32_t totalMb) {
    return std::to_string(totalMb / 2);
}
