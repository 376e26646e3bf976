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

std::string operatingSystemVersion() {
    // GetVersionEx lies to programs without a manifest; the kernel's own call does not.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) return "";
    auto getVersion =
        reinterpret_cast<RtlGetVersionFunction>(GetProcAddress(ntdll, "RtlGetVersion"));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!getVersion || getVersion(&info) != 0) return "";
    return std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion);
}

std::string machineArchitecture() {
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    switch (info.wProcessorArchitecture) {
        case PROCESSOR_ARCHITECTURE_AMD64:
            return "x86_64";
        case PROCESSOR_ARCHITECTURE_ARM64:
            return "aarch64";
        case PROCESSOR_ARCHITECTURE_INTEL:
            return "x86";
        default:
            return "";
    }
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
