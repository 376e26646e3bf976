#pragma once
#include <deque>
#include <functional>
#include <string>

#include "TaskText.h"

namespace testing_support {

// The plainest host of the download control: an ordered list of task texts whose first entry
// is the one running. Adding to an empty queue starts the task at once; each end of the running
// task (done or error) removes it and starts the next one. A text that cannot be split is
// dropped.
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

}  // namespace testing_support
