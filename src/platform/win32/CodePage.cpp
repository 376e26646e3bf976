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
    BOOL* flag = codePage == CP_UTF8 ? nullptr : usedDefault;
    int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, flag);
    std::string out(n, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, flag);
    return out;
}

}  // namespace

std::string toCodePage(const std::string& utf8) {
    BOOL usedDefault = FALSE;
    return fromWide(toWide(utf8, CP_UTF8), CP_ACP, &usedDefault);
}

std::string fromCodePage(const std::string& bytes) {
    return fromWide(toWide(bytes, CP_ACP), CP_UTF8, nullptr);
}

std::string codePageBytesOf(const std::string& utf8Character) {
    BOOL usedDefault = FALSE;
    std::string bytes = fromWide(toWide(utf8Character, CP_UTF8), CP_ACP, &usedDefault);
    return usedDefault ? std::string{} : bytes;
}

}  // namespace platform
