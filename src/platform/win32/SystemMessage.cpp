#include "platform/win32/SystemMessage.h"

#include "platform/AsciiText.h"
#include "platform/Paths.h"

namespace platform {

std::string systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = n ? trimmed(toUtf8Path(std::wstring(text, n)), " \r\n.") : "";
    LocalFree(text);
    return (message.empty() ? "" : message + " ") + "(" + std::to_string(error) + ")";
}

}  // namespace platform
