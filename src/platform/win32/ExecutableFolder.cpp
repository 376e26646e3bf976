#include <windows.h>

#include <vector>

#include "platform/Paths.h"

namespace platform {

std::string executableFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            return toUtf8Path(std::filesystem::path(std::wstring(buffer.data(), n)).parent_path());
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace platform
