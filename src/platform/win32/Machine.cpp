#include <windows.h>

#include "platform/CodePage.h"
#include "platform/Machine.h"

namespace platform {

std::optional<MemoryStatus> queryMemoryStatus() {
    MEMORYSTATUSEX raw{};
    raw.dwLength = sizeof raw;
    if (!GlobalMemoryStatusEx(&raw)) return std::nullopt;
    MemoryStatus status;
    status.totalPhysical = raw.ullTotalPhys;
    status.totalVirtual = raw.ullTotalVirtual;
    status.totalPageFile = raw.ullTotalPageFile;
    status.availablePhysical = raw.ullAvailPhys;
    status.availableVirtual = raw.ullAvailVirtual;
    status.availablePageFile = raw.ullAvailPageFile;
    status.loadPercent = raw.dwMemoryLoad;
    return status;
}

bool isOperatingSystem64Bit() {
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::optional<std::string> readRegistryValue(RegistryRoot root, const std::string& subKey,
                                             const std::string& valueName, size_t capacity) {
    HKEY key = nullptr;
    // Predefined keys are sign-extended 32-bit values ((HKEY)(ULONG_PTR)(LONG)0x80000002).
    HKEY rootKey = reinterpret_cast<HKEY>(
        static_cast<LONG_PTR>(static_cast<LONG>(static_cast<uint32_t>(root))));
    // The ANSI interface takes names in the code page; read access only, never creating.
    if (RegOpenKeyExA(rootKey, toCodePage(subKey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string data(capacity, ' ');
    DWORD size = static_cast<DWORD>(capacity);
    LONG rc = RegQueryValueExA(key, toCodePage(valueName).c_str(), nullptr, nullptr,
                               reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return std::nullopt;
    return fromCodePage(data);
}

}  // namespace platform
