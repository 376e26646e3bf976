#include "platform/CodePage.h"

#include <windows.h>

namespace platform {
namespace {

std::wstring toWide(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    int n =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string fromWide(const std::wstring& wide, UINT codePage, BOOL* usedDefault) {
    if (wide.empty()) return {};
    // Without best fit a missing character is reported, never swapped for a look-alike.
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* flag = codePage == CP_UTF8 ? nullptr : usedDefault;
    int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                nullptr, 0, nullptr, flag);
    std::string out(n, '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, flag);
    return out;
}

// Each character on its own, so that one the code page lacks gives one `missing`, also
// when it takes two UTF-16 units.
std::string toCodePageEach(const std::string& utf8, const std::string& missing) {
    std::wstring wide = toWide(utf8, CP_UTF8);
    std::string out;
    for (size_t i = 0; i < wide.size();) {
        size_t units =
            IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]) ? 2
                                                                                               : 1;
        BOOL usedDefault = FALSE;
        std::string bytes = fromWide(wide.substr(i, units), CP_ACP, &usedDefault);
        out += usedDefault ? missing : bytes;
        i += units;
    }
    return out;
}

}  // namespace

std::string toCodePage(const std::string& utf8) {
    return toCodePageEach(utf8, "?");
}

std::string fromCodePage(const std::string& bytes) {
    return fromWide(toWide(bytes, CP_ACP), CP_UTF8, nullptr);
}

std::string codePageBytesOf(const std::string& utf8Character) {
    return toCodePageEach(utf8Character, "");
}

}  // namespace platform
