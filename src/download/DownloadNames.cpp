#include "download/DownloadNames.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>

#include "platform/AsciiText.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/WindowsNames.h"

namespace download {

namespace {

bool isUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80                ? 1
                        : c >= 0xc2 && c < 0xe0 ? 2
                        : c >= 0xe0 && c < 0xf0 ? 3
                        : c >= 0xf0 && c < 0xf5 ? 4
                                                : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
        }
        // No overlong forms, no surrogates, nothing above U+10FFFF.
        auto second = static_cast<unsigned char>(text[i + (length > 1)]);
        if ((c == 0xe0 && second < 0xa0) || (c == 0xed && second >= 0xa0) ||
            (c == 0xf0 && second < 0x90) || (c == 0xf4 && second >= 0x90))
            return false;
        i += length;
    }
    return true;
}

}  // namespace

bool HasIllegalFileChar(const std::string& name) {
    return name.find_first_of("\\/:*?\"<>|") != std::string::npos;
}

std::string plainFileName(const std::string& raw) {
    // Servers send names in UTF-8 or in the system code page; paths are UTF-8 inside, and
    // a byte of a code-page character may look like a separator.
    const std::string name = isUtf8(raw) ? raw : platform::fromCodePage(raw);
    if (name.empty() || name == "." || name == ".." || HasIllegalFileChar(name)) return {};
    // The same mirror serves Windows, which trims a final dot or blank and keeps device
    // names for itself.
    if (name.back() == '.' || name.back() == ' ' || platform::isWindowsDeviceName(name)) return {};
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7f) return {};
    }
    return name;
}

bool isSafePathElement(std::string_view name) {
    // The download control's own rule for file names, taken only when it keeps the name as is
    // (it would re-read a code-page name, which then would not be the name on the server).
    std::string text(name);
    return !text.empty() && plainFileName(text) == text;
}

bool isSafeRelativeFolder(std::string_view folder, char separator) {
    size_t start = 0;
    while (true) {
        size_t end = folder.find(separator, start);
        if (!isSafePathElement(
                folder.substr(start, end == std::string_view::npos ? end : end - start)))
            return false;
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

std::string RandomString(int count, platform::Random& random) {
    static constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string text;
    for (int i = 0; i < count; ++i) {
        auto index = static_cast<size_t>(random.next() * alphabet.size());
        text += alphabet[std::min(index, alphabet.size() - 1)];
    }
    return text;
}

std::string makeTempName(std::chrono::system_clock::time_point now, platform::Random& random) {
    using namespace std::chrono;
    std::tm local = platform::localCalendarTime(now);
    auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    char text[64];
    std::snprintf(text, sizeof text, "%d%d%d%d%02d%02d%03d-", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(millis));
    return text + RandomString(32, random);
}

namespace {

// The text between `start` and the next quote followed by a line end, searched in the
// header lines with the header name in any letter case.
bool quotedAfter(const std::string& header, const std::string& start, std::string& name) {
    size_t at = header.find(start);
    if (at == std::string::npos) return false;
    size_t from = at + start.size();
    size_t end = header.find("\"\r\n", from);
    if (end == std::string::npos) end = header.find("\"\n", from);
    if (end == std::string::npos) return false;
    name = header.substr(from, end - from);
    return true;
}

}  // namespace

std::string FileNameFromChunk(const std::string& headerText, const std::string& defaultName) {
    // Header names may come in any letter case; the value keeps the two written forms.
    std::string text = headerText;
    for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; ++at) {
        static constexpr std::string_view field = "content-disposition:";
        if (platform::lowerAscii(text.substr(at + 1, field.size())) == field)
            text.replace(at + 1, field.size(), "Content-Disposition:");
    }
    std::string name;
    if (quotedAfter(text, "Content-Disposition: attachment;filename=\"", name)) return name;
    if (quotedAfter(text, "Content-Disposition: attachment; filename*=\"", name)) return name;
    return defaultName;
}

}  // namespace download
