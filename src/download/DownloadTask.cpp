#include "download/DownloadTask.h"

#include <algorithm>

namespace download {

std::string makeDownloadTask(const std::string& url, const std::string& destination) {
    return url + std::string(kDownloadToMarker) + destination;
}

std::optional<DownloadTask> splitDownloadTask(const std::string& task) {
    size_t at = task.find(kDownloadToMarker);
    if (at == std::string::npos) return std::nullopt;
    DownloadTask result{task.substr(0, at), task.substr(at + kDownloadToMarker.size())};
    std::replace(result.url.begin(), result.url.end(), '\\', '/');
    return result;
}

void DownloadQueue::add(const std::string& task) {
    entries_.push_back(task);
    if (entries_.size() == 1) startHead();
}

void DownloadQueue::advance() {
    if (entries_.empty()) return;
    entries_.pop_front();
    startHead();
}

void DownloadQueue::startHead() {
    // Invalid texts are dropped so the queue never stalls on them.
    while (!entries_.empty()) {
        auto task = splitDownloadTask(entries_.front());
        if (task) {
            start_(*task);
            return;
        }
        entries_.pop_front();
    }
}

}  // namespace download
