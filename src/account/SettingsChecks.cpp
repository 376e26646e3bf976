#include "account/SettingsChecks.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "context/AppTitle.h"
#include "context/LauncherContext.h"

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

std::string memoryBoxText(const std::string& memoryMb, const std::string& fallback) {
    std::optional<double> value = parseNumber(memoryMb);
    if (!value) return fallback;
    double rounded = std::nearbyint(*value);  // the default rounding mode: halves to even
    if (rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max())
        return fallback;
    return std::to_string(int32_t(rounded));
}

std::optional<SettingsProblem> checkSettingsForm(
    const SettingsForm& form, const std::function<bool(const std::string&)>& isExistingFile) {
    const std::string notPositive = "内存大小不是一个正整数。";
    if (form.userName.empty()) return SettingsProblem{"请输入用户名.", "补充你的凭据"};
    if (form.memory.empty()) return SettingsProblem{"请输入内存大小.", kAppTitle};
    std::optional<double> memory = parseNumber(form.memory);
    if (!memory || *memory <= 0) return SettingsProblem{notPositive, "修改你的凭据"};
    if (form.javaPath.empty()) return SettingsProblem{"请输入 JRE 路径.", "补充你的凭据"};
    if (!isExistingFile(form.javaPath))
        return SettingsProblem{"JRE 路径 指向了一个并不存在的路径。", "修改你的凭据"};
    return std::nullopt;
}
