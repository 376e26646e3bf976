#include <filesystem>
#include <system_error>

#include "platform/Paths.h"

namespace platform {

std::string executablePath() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : toUtf8Path(exe);
}

std::string executableFolder() {
    std::string exe = executablePath();
    if (exe.empty()) {
        std::error_code ec;
        return toUtf8Path(std::filesystem::current_path(ec));
    }
    return toUtf8Path(fromUtf8Path(exe).parent_path());
}

}  // namespace platform
