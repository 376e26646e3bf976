#include "platform/Zip.h"

// Chosen by the build where no zip library is available (the Windows cross build of the core).
namespace platform {

Result<std::vector<ZipEntry>> readZip(const std::string& path, std::uint64_t) {
    return Failure{"无法读取压缩包“" + path + "”：此版本的启动器不带 zip 读取支持"};
}

}  // namespace platform
