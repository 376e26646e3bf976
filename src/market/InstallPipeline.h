#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
    // List3 follows the queue: an entry appended at the end, the entry at `index` removed (the
    // head, unless several downloads run at once).
    virtual void queueAppended(const QueueEntry& entry) = 0;
    virtual void queueEntryRemoved(size_t index) = 0;
    // 下载文件 on download control number `slot` (0 while one download runs at a time): the
    // entry's request URL into its folder.
    virtual void startDownload(const QueueEntry& entry, size_t slot) = 0;
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
std::string speedText(int32_t speed);
// "12项" for 12.
std::string countText(size_t count);

// The market window's download queue and what happens on each event of its download controls.
// Installers append at the end. With one download at a time, entry 0 is the running task, only
// the pipeline removes, at the head, and the 100 ms pause between two tasks runs through
// `runAfter`, so a long queue never freezes the window. With several at once, the first entries
// are the started ones, each on its own control (its slot), and each leaves the queue when its
// download ends; there is no pause.
class InstallPipeline {
  public:
    static constexpr int kPauseBetweenTasksMs = 100;

    InstallPipeline(MarketView& view, platform::Dialogs& dialogs, GameFolders folders);

    // How many downloads may run at once (at least 1). Takes effect now when the queue is
    // empty, else once it has emptied. The self-update always runs alone.
    void setParallel(size_t downloads);
    size_t parallel() const { return parallel_; }
    // Whether an installer that has just appended must call StartHeadTask: the queue was empty
    // before, or free slots wait for work.
    bool startsAfterAppend(bool wasEmpty) const { return wasEmpty || slotCount() > 1; }
    // The window is closing: nothing starts any more and late events are ignored.
    void stop();

    const std::deque<QueueEntry>& queue() const { return queue_; }
    bool empty() const { return queue_.empty(); }
    size_t size() const { return queue_.size(); }
    MarketMode mode() const { return modeFromTitle(view_.title()); }
    const GameFolders& folders() const { return folders_; }

    // Appends an entry at the end; never starts anything.
    void append(const QueueEntry& entry);
    // Starts the head task on the download control; with several downloads at once, fills the
    // free slots with the next entries that wait. An entry without a folder is dropped.
    void StartHeadTask();

    // The four events of the download control in `slot`.
    void onProgress(int32_t downloaded, int32_t total, int32_t speed, size_t slot = 0);
    void onDone(size_t slot = 0);
    void onFailed(const download::DownloadEnd& end, size_t slot = 0);
    void onError(const download::DownloadEnd& end, size_t slot = 0);
    // Timer1: the count label follows the queue once a second.
    void onTimerTick();

    // An OK message box without icon, under the launcher's title.
    void showMessage(const std::string& text);

  private:
    // A started entry: its control and whether its download has ended (it stays while its
    // message is shown, or for good after a failure).
    struct Started {
        size_t slot;
        bool ended = false;
    };

    size_t slotCount() const;
    bool parallelRun() const { return slotCount() > 1; }
    void applyPendingParallel();
    // Where the entry of a running `slot` stands; nullopt for a slot that runs nothing (an
    // event that came after its task ended).
    std::optional<size_t> runningIndex(size_t slot) const;
    void fillSlots();
    void showSpeedOf(size_t slot, int32_t speed);
    // A started task has ended with done (`message` empty) or error: it leaves the queue after
    // its message, and the next ones start (one at a time: after the pause), or the last one
    // ends the mode's work.
    void endStarted(size_t slot, std::optional<std::string> message);
    // Why the file an entry brought cannot stay (it cannot take its name, or it is damaged).
    std::optional<std::string> arrivalProblem(const QueueEntry& entry) const;
    std::optional<std::string> damagedObject(const QueueEntry& entry) const;
    void stallOn(size_t slot, const std::string& message);
    void removeStarted(size_t index);
    void endOfQueue(const QueueEntry& last, bool arrived);
    // In native mode, an end without any answer from the server: said once, the check ends.
    bool sourceUnreachableAtStartup(const download::DownloadEnd& end);

    MarketView& view_;
    platform::Dialogs& dialogs_;
    GameFolders folders_;
    std::deque<QueueEntry> queue_;
    size_t parallel_ = 1;
    std::optional<size_t> pendingParallel_;
    bool stopped_ = false;
    // The started entries, parallel to the front of `queue_`.
    std::deque<Started> started_;
    std::vector<int32_t> slotSpeeds_;
    bool stalled_ = false;
    size_t finished_ = 0;
};

}  // namespace market
