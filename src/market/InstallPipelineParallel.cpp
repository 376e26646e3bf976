#include <algorithm>
#include <numeric>

#include "market/InstallPipeline.h"

// The started entries stand at the front of the queue, in the order they started, each on its
// own download control (its slot). One slot is the plain queue: its head is the running task,
// and the next one starts after a pause.

namespace market {

namespace {

constexpr std::string_view kStalledNote =
    "下载列表已停止：正在进行的下载完成后不再开始新的下载。关闭窗口即放弃下载列表。";

}  // namespace

void InstallPipeline::setParallel(size_t downloads) {
    pendingParallel_ = std::max<size_t>(downloads, 1);
    if (queue_.empty()) applyPendingParallel();
}

void InstallPipeline::applyPendingParallel() {
    if (!pendingParallel_) return;
    parallel_ = *pendingParallel_;
    pendingParallel_.reset();
}

void InstallPipeline::stop() {
    stopped_ = true;
}

size_t InstallPipeline::slotCount() const {
    // The update replaces the launcher's own file: nothing may run beside it.
    return mode() == MarketMode::SelfUpdate ? 1 : parallel_;
}

std::optional<size_t> InstallPipeline::runningIndex(size_t slot) const {
    if (stopped_) return std::nullopt;
    for (size_t i = 0; i < started_.size(); ++i) {
        if (started_[i].slot == slot && !started_[i].ended) return i;
    }
    return std::nullopt;
}

void InstallPipeline::fillSlots() {
    slotSpeeds_.resize(std::max(slotSpeeds_.size(), slotCount()));
    // Starting may end a task at once (an address the control refuses) and change the queue
    // under this loop: every round reads the state anew.
    while (!stopped_ && !stalled_ && started_.size() < queue_.size() &&
           started_.size() < slotCount()) {
        const size_t index = started_.size();
        if (queue_[index].folder.empty()) {
            // Without a folder the download would land in the root of the drive.
            queue_.erase(queue_.begin() + std::ptrdiff_t(index));
            view_.queueEntryRemoved(index);
            continue;
        }
        size_t slot = 0;
        while (std::any_of(started_.begin(), started_.end(),
                           [slot](const Started& s) { return s.slot == slot; }))
            ++slot;
        started_.push_back({slot});
        slotSpeeds_[slot] = 0;
        const QueueEntry entry = queue_[index];
        view_.startDownload(entry, slot);
        // One at a time: a task that ended at once has already set its successor after the
        // pause.
        if (!parallelRun()) return;
    }
}

void InstallPipeline::showSpeedOf(size_t slot, int32_t speed) {
    if (!runningIndex(slot)) return;
    slotSpeeds_[slot] = speed;
    view_.setSpeedText(speedText(std::accumulate(slotSpeeds_.begin(), slotSpeeds_.end(), 0)));
}

void InstallPipeline::endStarted(size_t slot, std::optional<std::string> message) {
    std::optional<size_t> index = runningIndex(slot);
    if (!index) return;
    started_[*index].ended = true;
    slotSpeeds_[slot] = 0;
    if (message) {
        // The box waits for the player while the other downloads go on and may end: the
        // entry keeps its slot until it leaves, and is looked up again afterwards.
        showMessage(*message);
        if (stopped_) return;
        auto same = std::find_if(started_.begin(), started_.end(),
                                 [slot](const Started& s) { return s.slot == slot; });
        if (same == started_.end()) return;
        index = size_t(same - started_.begin());
    }
    const QueueEntry ended = queue_[*index];
    removeStarted(*index);
    if (queue_.empty()) {
        endOfQueue(ended, !message);
        return;
    }
    view_.refreshVersionList();
    if (parallelRun()) {
        fillSlots();
        return;
    }
    view_.runAfter(kPauseBetweenTasksMs, [this] { StartHeadTask(); });
}

void InstallPipeline::stallOn(size_t slot, const std::string& message) {
    std::optional<size_t> index = runningIndex(slot);
    if (!index) return;
    // The failed entry stays and nothing more starts; the others finish.
    started_[*index].ended = true;
    slotSpeeds_[slot] = 0;
    stalled_ = true;
    showMessage(parallelRun() ? message + "\r\n" + std::string(kStalledNote) : message);
}

void InstallPipeline::removeStarted(size_t index) {
    queue_.erase(queue_.begin() + std::ptrdiff_t(index));
    started_.erase(started_.begin() + std::ptrdiff_t(index));
    view_.queueEntryRemoved(index);
    ++finished_;
    if (queue_.empty()) {
        finished_ = 0;
        view_.setProgress(0);
        applyPendingParallel();
        return;
    }
    // One download at a time shows the bytes of the running one; several show the share of the
    // tasks that have ended.
    view_.setProgress(parallelRun() ? static_cast<float>(static_cast<double>(finished_) /
                                                         double(finished_ + queue_.size()))
                                    : 0.0f);
}

}  // namespace market
