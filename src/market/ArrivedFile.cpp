#include "market/ArrivedFile.h"

#include <filesystem>
#include <system_error>

#include "download/DownloadTask.h"

namespace market {

std::string arrivedPath(const QueueEntry& entry, platform::PathStyle style) {
    if (entry.saveAs.empty()) return downloadedPath(entry, style);
    return download::withoutTrailingSeparator(entry.folder) + style.separator + entry.saveAs;
}

platform::Result<void> placeArrived(const QueueEntry& entry, platform::PathStyle style) {
    if (entry.saveAs.empty()) return {};
    const std::string from = downloadedPath(entry, style);
    const std::string to = arrivedPath(entry, style);
    if (from == to) return {};
    std::error_code error;
    std::filesystem::rename(platform::fromUtf8Path(from), platform::fromUtf8Path(to), error);
    if (error)
        return platform::Failure{"无法把 " + from + " 改名为 " + to + "：" + error.message()};
    return {};
}

}  // namespace market
