#include "DownloadQueue.h"

namespace testing_support {

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

}  // namespace testing_support
