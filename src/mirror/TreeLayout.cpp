#include "mirror/TreeLayout.h"

#include "market/NetworkNames.h"
#include "platform/AsciiText.h"

namespace mirror {
namespace {

platform::Failure refused(std::string_view what, std::string_view name) {
    return platform::Failure{"拒绝不安全的" + std::string(what) + "“" + std::string(name) +
                             "”：含有“..”、路径分隔符、控制字符或系统不接受的字符"};
}

}  // namespace

std::string TreeLayout::path(std::string_view relative) const {
    return root_ + "/" + std::string(relative);
}

platform::Result<void> checkVersionId(std::string_view id) {
    if (!market::isSafePathElement(id)) return refused("版本号", id);
    return {};
}

platform::Result<std::string> TreeLayout::versionJar(std::string_view id) {
    if (auto checked = checkVersionId(id); !checked) return platform::Failure{checked.reason()};
    std::string name(id);
    return "versions/" + name + "/" + name + ".jar";
}

platform::Result<std::string> TreeLayout::versionJson(std::string_view id) {
    if (auto checked = checkVersionId(id); !checked) return platform::Failure{checked.reason()};
    std::string name(id);
    return "Minecraft.Download/versions/" + name + "/" + name + ".json";
}

platform::Result<std::string> TreeLayout::namedIndex(std::string_view id) {
    if (!market::isSafePathElement(std::string(id) + ".json")) return refused("资源索引名", id);
    return "indexes/" + std::string(id) + ".json";
}

platform::Result<std::string> TreeLayout::library(std::string_view libraryPath) {
    if (!market::isSafeRelativeFolder(libraryPath, '/')) return refused("库路径", libraryPath);
    return "libraries/" + std::string(libraryPath);
}

platform::Result<std::string> TreeLayout::object(std::string_view hash) {
    // Lower case only: the launcher names the object file after the hash as the index gives it.
    if (!market::isAssetHash(hash) || platform::lowerAscii(std::string(hash)) != hash)
        return refused("资源散列值", hash);
    return "assets/" + std::string(hash.substr(0, 2)) + "/" + std::string(hash);
}

platform::Result<std::string> TreeLayout::resource(std::string_view name) {
    if (!market::isSafeResourceName(name)) return refused("资源名", name);
    return "resources/" + std::string(name);
}

platform::Result<std::string> TreeLayout::rootFile(std::string_view name) {
    if (!market::isSafePathElement(name)) return refused("文件名", name);
    return std::string(name);
}

}  // namespace mirror
