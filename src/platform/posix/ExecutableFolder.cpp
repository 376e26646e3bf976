#include <filesystem>
#include <system_error>

#include "platform/Paths.h"

namespace platform {

std::string executableFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return toUtf8Path(std::filesystem::current_path(ec));
    return toUtf8Path(exe.parent_path());
}

}  // namespace platform
