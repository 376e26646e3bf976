#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "context/GameFolders.h"
#include "download/DownloadEnd.h"
#include "market/MarketMode.h"
#include "market/QueueEntry.h"
#include "platform/Dialogs.h"

namespace market {

// What the pipeline asks of the market window.
class MarketView {
  public:
    virtual ~MarketView() = default;
    virtual std::string title() const = 0;
    virtual void setSpeedText(const std::string& text) = 0;  // Label5
    virtual void setCountText(const std::string& text) = 0;  // Label8
    virtual void setProgress(float value) = 0;               // PProgressBar1, 0 to 1
    // List3 follows the queue: an entry appended at the end, the head removed.
    virtual void queueAppended(const QueueEntry& entry) = 0;
    virtual void queueHeadRemoved() = 0;
    // 下载文件 on the download control: the entry's request URL into its folder.
    virtual void startDownload(const QueueEntry& entry) = 0;
    // ShowFolderList on the versions folder of the main window.
    virtual void refreshVersionList() = 0;
    // Closes (unloads) the market window; the pipeline touches nothing after calling it.
    virtual void closeWindow() = 0;
    // The self-update's finishing step for the task that brought the new executable.
    virtual void finishSelfUpdate(const QueueEntry& entry) = 0;
    // Runs `step` once after `milliseconds`, letting the window's events run meanwhile; a
    // closed window drops it.
    virtual void runAfter(int milliseconds, std::function<void()> step) = 0;
};

// "125KB/S" for 125.
std::string SpeedText(int32_t speed);
// "12项" for 12.
std::string CountText(size_t count);

// The market window's download queue and what happens on each event of its download control.
// Entry 0 of the queue is the running task; installers append at the end, only the pipeline
// removes, at the head. The 100 ms pause between two tasks runs through `runAfter`, so a long
// queue never freezes the window.
class InstallPipeline {
  public:
    static constexpr int kPauseBetweenTasksMs = 100;

    InstallPipeline(MarketView& view, platform::Dialogs& dialogs, GameFolders folders);

    const std::deque<QueueEntry>& queue() const { return queue_; }
    bool empty() const { return queue_.empty(); }
    size_t size() const { return queue_.size(); }
    MarketMode mode() const { return ModeFromTitle(view_.title()); }
    const GameFolders& folders() const { return folders_; }

    // Appends an entry at the end; never starts anything.
    void append(const QueueEntry& entry);
    // Starts the head task on the download control. A head without a folder is dropped.
    void StartHeadTask();

    // The four events of the download control.
    void onProgress(int32_t downloaded, int32_t total, int32_t speed);
    void onDone();
    void onFailed(const download::DownloadEnd& end);
    void onError(const download::DownloadEnd& end);
    // Timer1: the count label follows the queue once a second.
    void onTimerTick();

    // An OK message box without icon, under the launcher's title.
    void showMessage(const std::string& text);

  private:
    void endWithError(const std::string& text);
    // The head task has ended, `arrived` or not: the next one follows after the pause, or the
    // last one ends the mode's work.
    void endHead(bool arrived);
    void dropHead();
    void advance();
    std::optional<std::string> damagedObject(const QueueEntry& entry) const;

    MarketView& view_;
    platform::Dialogs& dialogs_;
    GameFolders folders_;
    std::deque<QueueEntry> queue_;
};

}  // namespace market
