#include "platform/FileFailure.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/Paths.h"

namespace platform {

namespace {

constexpr const char* kIsAFolder = "这是一个文件夹，不是文件";

}  // namespace

std::string systemReason(int error) {
    switch (error) {
        case ENOENT:
            return "文件或文件夹不存在";
        case EACCES:
        case EPERM:
            return "没有访问权限";
        case EISDIR:
            return kIsAFolder;
        case ENOTDIR:
            return "路径中有一级不是文件夹";
        case ENOSPC:
            return "磁盘空间不足";
        case EROFS:
            return "磁盘是只读的";
        case ENAMETOOLONG:
            return "路径过长";
        case EIO:
            return "磁盘读写出错";
        default:
            return std::strerror(error);
    }
}

std::string systemReason(const std::error_code& error) {
    // The portable condition turns a Windows error code into the matching error number.
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category()) return systemReason(condition.value());
    return error.message();
}

Failure readFailure(const std::string& path, int error) {
    if (error == ENOENT) return Failure{"无法打开文件“" + path + "”：文件不存在", true};
    // Windows refuses to open a folder with "access denied"; the folder is the real cause.
    std::error_code ec;
    const bool folder = std::filesystem::is_directory(fromUtf8Path(path), ec);
    return Failure{"无法读取文件“" + path + "”：" + (folder ? kIsAFolder : systemReason(error))};
}

}  // namespace platform
