#pragma once
#include <optional>
#include <string>

#include "market/QueueEntry.h"

// Task texts ("url[下载到]folder") as tests and benches write them by hand.
namespace testing_support {

struct DownloadTask {
    std::string url;          // every "\" already turned into "/"
    std::string destination;  // as written, a trailing separator allowed
};

// The two pieces of a task text, split at its first marker; nullopt without the marker.
std::optional<DownloadTask> splitDownloadTask(const std::string& task);

// The queue entry a task text stands for, URL and folder as written. A text without the marker
// gives an entry without a folder.
market::QueueEntry entryOf(const std::string& task);

}  // namespace testing_support
