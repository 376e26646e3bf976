#include <windows.h>

#include <vector>

#include "platform/Paths.h"

namespace platform {

std::string executablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size())
            return toUtf8Path(std::filesystem::path(std::wstring(buffer.data(), n)));
        buffer.resize(buffer.size() * 2);
    }
}

std::string executableFolder() {
    return toUtf8Path(fromUtf8Path(executablePath()).parent_path());
}

}  // namespace platform
