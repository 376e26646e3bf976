#include "account/TextBetween.h"

namespace {

constexpr size_t kNotFound = std::string::npos;

size_t findStart(const std::string& text, const std::string& marker, int startMode) {
    if (marker.empty()) return 0;
    if (startMode == 0) return text.find(marker);
    if (startMode == 1) return text.rfind(marker);
    return kNotFound;
}

size_t findEnd(const std::string& text, const std::string& marker, size_t afterStart, int endMode,
               int endAfterStart) {
    if (endMode == 0 && endAfterStart == 0) return text.find(marker);
    if (endMode == 0 && endAfterStart == 1) {
        return afterStart <= text.size() ? text.find(marker, afterStart) : kNotFound;
    }
    if (endMode == 1) return text.rfind(marker);
    return kNotFound;
}

std::string failure(const char* code, int& status) {
    status = code[0] - '0';
    return code;
}

}  // namespace

// Positions are 0-based byte offsets here; markers are whole UTF-8 characters, so byte
// arithmetic cuts the same text that character positions would.
std::string TextBetween(const std::string& text, const std::string& startMarker,
                        const std::string& endMarker, int endMode, int startMode, int endAfterStart,
                        int& status) {
    if (text.empty()) return failure("0", status);
    size_t start = findStart(text, startMarker, startMode);
    if (start == kNotFound) return failure("1", status);
    size_t begin = start + startMarker.size();
    if (endMarker.empty()) return text.substr(begin);
    size_t end = findEnd(text, endMarker, begin, endMode, endAfterStart);
    if (end == kNotFound) return failure("2", status);
    if (begin > end) return failure("0", status);
    return text.substr(begin, end - begin);
}
