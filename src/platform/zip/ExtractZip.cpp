#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileFailure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/Zip.h"

namespace platform {

Result<std::vector<std::string>> extractZip(const std::string& zipPath, const std::string& folder,
                                            const std::function<bool(const std::string&)>& wanted) {
    Result<std::vector<ZipEntry>> entries = readZip(zipPath);
    if (!entries) return entries.failure();
    std::vector<const ZipEntry*> chosen;
    for (const ZipEntry& entry : entries.value()) {
        if (!wanted(entry.name)) continue;
        // Checked for all before the first write, so a hostile archive leaves nothing behind.
        if (!zipEntryNameIsSafe(entry.name))
            return Failure{"压缩包“" + zipPath + "”中的条目名不安全：“" + entry.name + "”"};
        chosen.push_back(&entry);
    }
    std::vector<std::string> written;
    for (const ZipEntry* entry : chosen) {
        std::filesystem::path target = fromUtf8Path(folder) / fromUtf8Path(entry->name);
        target.make_preferred();
        std::error_code ec;
        std::filesystem::create_directories(target.parent_path(), ec);
        if (ec)
            return Failure{"无法创建文件夹“" + toUtf8Path(target.parent_path()) + "”：" +
                           systemReason(ec)};
        std::string path = toUtf8Path(target);
        if (Result<> saved = writeFileAtomically(path, entry->bytes); !saved)
            return saved.failure();
        written.push_back(path);
    }
    return written;
}

}  // namespace platform
