#include "mirror/TreeFiles.h"

#include <filesystem>

#include "platform/Paths.h"
#include "platform/Sha1.h"
#include "platform/TextFile.h"

namespace mirror {
namespace {

namespace fs = std::filesystem;

platform::Result<void> makeParent(const std::string& path) {
    std::error_code ec;
    fs::create_directories(platform::fromUtf8Path(path).parent_path(), ec);
    if (ec) return platform::Failure{"无法创建“" + path + "”所在的文件夹：" + ec.message()};
    return {};
}

}  // namespace

platform::Result<void> writeTreeFile(const std::string& path, const std::string& bytes) {
    if (auto old = platform::readFileBytes(path); old && old.value() == bytes) return {};
    if (auto made = makeParent(path); !made) return made;
    return platform::writeFileAtomically(path, bytes);
}

platform::Result<void> placeFile(const std::string& from, const std::string& to,
                                 const std::string& sha1) {
    platform::Result<std::string> present = platform::sha1OfFile(to);
    if (present && present.value() == sha1) return {};
    if (auto made = makeParent(to); !made) return made;
    fs::path source = platform::fromUtf8Path(from);
    fs::path temporary = platform::fromUtf8Path(to + ".part");
    std::error_code ec;
    fs::remove(temporary, ec);
    fs::create_hard_link(source, temporary, ec);
    if (ec) fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(temporary, platform::fromUtf8Path(to), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return platform::Failure{"无法把“" + from + "”放到“" + to + "”：" + ec.message()};
    }
    return {};
}

}  // namespace mirror
