#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Machine.h"

namespace platform {
namespace {

bool isExecutable(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> findJava() {
    if (const char* home = std::getenv("JAVA_HOME"); home && *home) {
        std::string candidate = std::string(home) + "/bin/java";
        if (isExecutable(candidate)) return candidate;
    }
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (folder.empty()) continue;
        std::string candidate = folder + "/java";
        if (isExecutable(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::optional<MemoryStatus> queryMemoryStatus() {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return std::nullopt;
    uint64_t unit = info.mem_unit ? info.mem_unit : 1;
    MemoryStatus status;
    status.totalPhysical = info.totalram * unit;
    uint64_t available = info.freeram * unit;
    // MemAvailable counts reclaimable caches, as the Windows figure does.
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    uint64_t kilobytes = 0;
    std::string unitText;
    while (meminfo >> key >> kilobytes >> unitText) {
        if (key == "MemAvailable:") available = kilobytes * 1024;
    }
    status.availablePhysical = available;
    status.totalPageFile = status.totalPhysical + info.totalswap * unit;
    status.availablePageFile = available + info.freeswap * unit;
    status.totalVirtual = sizeof(void*) == 8 ? (uint64_t{1} << 47) : (uint64_t{1} << 32);
    status.availableVirtual = status.totalVirtual;
    if (status.totalPhysical > 0) {
        status.loadPercent =
            static_cast<uint32_t>(100 - (status.availablePhysical * 100) / status.totalPhysical);
    }
    return status;
}

bool isOperatingSystem64Bit() {
    struct utsname name {};
    if (uname(&name) != 0) return sizeof(void*) == 8;
    std::string machine = name.machine;
    return machine.find("64") != std::string::npos || machine == "s390x";
}

std::string operatingSystemVersion() {
    struct utsname name {};
    return uname(&name) == 0 ? name.release : "";
}

std::string machineArchitecture() {
    struct utsname name {};
    return uname(&name) == 0 ? name.machine : "";
}

std::optional<std::string> readRegistryValue(RegistryRoot root, const std::string& subKey,
                                             const std::string& valueName, size_t capacity) {
    if (root != RegistryRoot::LocalMachine || valueName != "" ||
        subKey != "SOFTWARE\\Classes\\jarfile\\shell\\open\\command") {
        return std::nullopt;
    }
    std::optional<std::string> java = findJava();
    if (!java) return std::nullopt;
    std::string command = "\"" + *java + "\" -jar \"%1\"";
    if (command.size() > capacity) return std::nullopt;
    return command;
}

}  // namespace platform
