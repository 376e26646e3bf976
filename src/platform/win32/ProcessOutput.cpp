#include <windows.h>

#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "platform/ProcessOutput.h"
#include "platform/win32/SystemMessage.h"

namespace platform {

namespace {

// Large enough for everything a version query prints, so the child never waits on a full pipe
// while the launcher waits on the child.
constexpr DWORD kPipeBytes = 1 << 16;

}  // namespace

Result<std::string> runForOutput(const std::string& commandLine, std::chrono::milliseconds limit) {
    std::vector<std::string> words = splitWindowsCommandLine(commandLine);
    if (words.empty()) return Failure{"命令行为空"};
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, kPipeBytes))
        return Failure{"无法建立管道：" + systemMessage(GetLastError())};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION info{};
    std::wstring line = fromUtf8Path(commandLine).wstring();
    BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                  nullptr, nullptr, &startup, &info);
    DWORD startError = GetLastError();
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return Failure{words[0] + ": " + systemMessage(startError)};
    }
    CloseHandle(info.hThread);
    DWORD waited = WaitForSingleObject(info.hProcess, static_cast<DWORD>(limit.count()));
    if (waited != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, INFINITE);
    }
    CloseHandle(info.hProcess);
    std::string output;
    if (waited == WAIT_OBJECT_0) {
        char piece[4096];
        DWORD available = 0;
        // Only what is already in the pipe: a grandchild holding its end must not block us.
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            DWORD n = 0;
            if (!ReadFile(readEnd, piece, sizeof piece, &n, nullptr) || n == 0) break;
            output.append(piece, n);
        }
    }
    CloseHandle(readEnd);
    if (waited != WAIT_OBJECT_0) {
        return Failure{words[0] + " 在 " + std::to_string(limit.count()) +
                       " 毫秒内没有结束，已被终止"};
    }
    return output;
}

}  // namespace platform
