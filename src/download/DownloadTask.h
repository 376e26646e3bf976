#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace download {

// The marker between the URL and the destination folder of a queued download.
inline constexpr std::string_view kDownloadToMarker = "[下载到]";

struct DownloadTask {
    std::string url;          // every "\" already turned into "/"
    std::string destination;  // as written, a trailing separator allowed
};

// url + "[下载到]" + destination.
std::string makeDownloadTask(const std::string& url, const std::string& destination);

// The two pieces of a task text; nullopt without the marker.
std::optional<DownloadTask> splitDownloadTask(const std::string& task);

// A host's ordered list of task texts: the first entry is the one running. Adding to an
// empty queue starts the task at once; each end of the running task (done or error)
// removes it and starts the next one. A task text that cannot be split is dropped.
class DownloadQueue {
  public:
    using Starter = std::function<void(const DownloadTask&)>;
    explicit DownloadQueue(Starter start) : start_(std::move(start)) {}

    void add(const std::string& task);
    // The running task has ended with done or error.
    void advance();
    const std::deque<std::string>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

  private:
    void startHead();

    Starter start_;
    std::deque<std::string> entries_;
};

}  // namespace download
