#include "TaskText.h"

#include "download/DownloadTask.h"

namespace testing_support {

std::optional<DownloadTask> splitDownloadTask(const std::string& task) {
    if (task.find(download::kDownloadToMarker) == std::string::npos) return std::nullopt;
    market::QueueEntry entry = entryOf(task);
    return DownloadTask{download::slashedUrl(entry.url), entry.folder};
}

market::QueueEntry entryOf(const std::string& task) {
    size_t at = task.find(download::kDownloadToMarker);
    if (at == std::string::npos) return {task, ""};
    return {task.substr(0, at), task.substr(at + download::kDownloadToMarker.size())};
}

}  // namespace testing_support
