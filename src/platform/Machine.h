#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Byte counts of the machine's memory, as the extended memory status gives them.
struct MemoryStatus {
    uint64_t totalPhysical = 0;
    uint64_t totalVirtual = 0;
    uint64_t totalPageFile = 0;
    uint64_t availablePhysical = 0;
    uint64_t availableVirtual = 0;
    uint64_t availablePageFile = 0;
    uint32_t loadPercent = 0;
};

// nullopt when the system does not answer.
std::optional<MemoryStatus> queryMemoryStatus();

// Whether the operating system is 64-bit (even when this process is not).
bool isOperatingSystem64Bit();

// The operating system's version text ("6.1.0-18-amd64", "10.0"); empty when it does not say.
std::string operatingSystemVersion();

// The machine's architecture name ("x86_64", "aarch64", "x86").
std::string machineArchitecture();

// Predefined registry roots.
enum class RegistryRoot : uint32_t {
    None = 0,
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
    PerformanceData = 0x80000004,
    CurrentConfig = 0x80000005,
    DynData = 0x80000006,
};

// The raw bytes of a registry value, read through a read-only handle (at most
// `capacity` bytes); nullopt when the key or value cannot be read. Without a registry
// (POSIX) only the `.jar` open command is served: `"<java>" -jar "%1"` with the Java of
// JAVA_HOME, else the first `java` on PATH.
std::optional<std::string> readRegistryValue(RegistryRoot root, const std::string& subKey,
                                             const std::string& valueName, size_t capacity);

}  // namespace platform
