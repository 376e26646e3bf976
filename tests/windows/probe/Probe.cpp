// A small program the Windows tests start for real. It writes what it was given to
// probe.txt in its working folder (UTF-8, one item a line): its own folder, the window
// style it was asked for, then its arguments as the C runtime split them.
#include <windows.h>

#include <fstream>

#include "platform/Paths.h"

int wmain(int argc, wchar_t** argv) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    {
        std::ofstream out(L"probe.tmp", std::ios::binary | std::ios::trunc);
        out << platform::executableFolder() << '\n' << startup.wShowWindow << '\n';
        for (int i = 1; i < argc; ++i)
            out << platform::toUtf8Path(argv[i]) << '\n';
    }
    // Renamed when whole, so the test never reads half a file.
    return MoveFileExW(L"probe.tmp", L"probe.txt", MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
