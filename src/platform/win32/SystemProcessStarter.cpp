#include <windows.h>

#include "platform/AsciiText.h"
#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "platform/ProcessStarter.h"

namespace platform {
namespace {

// The system's own words for `error`, in the language of the system.
std::string systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = n ? trimmed(toUtf8Path(std::wstring(text, n)), " \r\n.") : "";
    LocalFree(text);
    return (message.empty() ? "" : message + " ") + "(" + std::to_string(error) + ")";
}

}  // namespace

Result<> SystemProcessStarter::start(const std::string& commandLine, WindowStyle style,
                                     const std::string& workingFolder) {
    std::vector<std::string> words = splitWindowsCommandLine(commandLine);
    if (words.empty()) return Failure{"命令行为空"};
    std::wstring line = fromUtf8Path(commandLine).wstring();
    std::wstring folder = fromUtf8Path(workingFolder).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    switch (style) {
        case WindowStyle::Hidden:
            startup.wShowWindow = SW_HIDE;
            break;
        case WindowStyle::Normal:
            startup.wShowWindow = SW_SHOWNORMAL;
            break;
        case WindowStyle::Minimized:
            startup.wShowWindow = SW_SHOWMINIMIZED;
            break;
        case WindowStyle::MinimizedNoFocus:
            startup.wShowWindow = SW_SHOWMINNOACTIVE;
            break;
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        return Failure{words[0] + ": " + systemMessage(GetLastError())};
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return {};
}

}  // namespace platform
