#include <windows.h>

#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "platform/ProcessStarter.h"
#include "platform/win32/SystemMessage.h"

namespace platform {

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
