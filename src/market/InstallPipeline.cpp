#include "market/InstallPipeline.h"

#include "context/AppTitle.h"
#include "download/TempFile.h"
#include "market/ArrivedFile.h"
#include "market/AssetInstaller.h"
#include "market/NetworkNames.h"
#include "platform/AsciiText.h"
#include "platform/Sha1.h"

namespace market {

namespace {

constexpr std::string_view kErrorTitle = "下载错误";
constexpr std::string_view kFailureTitle = "下载失败";

// The message under the title text: which file and why.
std::string endMessage(std::string_view title, const download::DownloadEnd& end) {
    std::string text(title);
    const std::string& what = end.file.empty() ? end.url : end.file;
    if (!what.empty()) text += "\r\n文件：" + what;
    if (!end.reason.empty()) text += "\r\n原因：" + end.reason;
    return text;
}

}  // namespace

std::string speedText(int32_t speed) {
    return std::to_string(speed) + "KB/S";
}

std::string countText(size_t count) {
    return std::to_string(count) + "项";
}

InstallPipeline::InstallPipeline(MarketView& view, platform::Dialogs& dialogs, GameFolders folders)
    : view_(view), dialogs_(dialogs), folders_(std::move(folders)) {}

void InstallPipeline::append(const QueueEntry& entry) {
    queue_.push_back(entry);
    view_.queueAppended(entry);
}

void InstallPipeline::StartHeadTask() {
    fillSlots();
}

void InstallPipeline::onProgress(int32_t downloaded, int32_t total, int32_t speed, size_t slot) {
    if (parallelRun()) {
        showSpeedOf(slot, speed);
        return;
    }
    view_.setSpeedText(speedText(speed));
    if (total != 0) view_.setProgress(static_cast<float>(static_cast<double>(downloaded) / total));
}

void InstallPipeline::onDone(size_t slot) {
    if (std::optional<size_t> index = runningIndex(slot))
        endStarted(slot, arrivalProblem(queue_[*index]));
}

std::optional<std::string> InstallPipeline::arrivalProblem(const QueueEntry& entry) const {
    if (platform::Result<void> placed = placeArrived(entry, folders_.style()); !placed) {
        download::removeIfExists(downloadedPath(entry, folders_.style()));
        return endMessage(kErrorTitle, {requestUrl(entry), arrivedPath(entry, folders_.style()),
                                        placed.reason(), 0});
    }
    return damagedObject(entry);
}

void InstallPipeline::onFailed(const download::DownloadEnd& end, size_t slot) {
    if (sourceUnreachableAtStartup(end)) return;
    stallOn(slot, endMessage(kFailureTitle, end));
}

void InstallPipeline::onError(const download::DownloadEnd& end, size_t slot) {
    if (sourceUnreachableAtStartup(end)) return;
    endStarted(slot, endMessage(kErrorTitle, end));
}

void InstallPipeline::endOfQueue(const QueueEntry& last, bool arrived) {
    // Closing the window or finishing the update is the last thing done: either may end the
    // window that owns this pipeline. An error on the last task still lets the launch or
    // start-up go on; an update that did not arrive is never finished.
    switch (mode()) {
        case MarketMode::Libraries:
        case MarketMode::Native:
            view_.closeWindow();
            break;
        case MarketMode::SelfUpdate:
            if (arrived) view_.finishSelfUpdate(last);
            break;
        case MarketMode::Normal:
            break;
    }
}

bool InstallPipeline::sourceUnreachableAtStartup(const download::DownloadEnd& end) {
    // Without any answer from the server the other tasks of the check would fail the same
    // way: saying so once and going on keeps the player from a window that cannot finish.
    if (mode() != MarketMode::Native || end.status != 0 || queue_.empty()) return false;
    showMessage("无法连接下载源 " +
                hostOfUrl(end.url.empty() ? requestUrl(queue_.front()) : end.url) +
                "，本地库没有下载，启动器继续启动。\r\n原因：" + end.reason);
    started_.clear();
    while (!queue_.empty()) {
        queue_.pop_front();
        view_.queueEntryRemoved(0);
        view_.setProgress(0);
    }
    finished_ = 0;
    applyPendingParallel();
    view_.closeWindow();
    return true;
}

void InstallPipeline::onTimerTick() {
    view_.setCountText(countText(queue_.size()));
}

void InstallPipeline::showMessage(const std::string& text) {
    dialogs_.messageBox(text, kAppTitle, platform::MessageIcon::None, platform::MessageButtons::Ok);
}

std::optional<std::string> InstallPipeline::damagedObject(const QueueEntry& entry) const {
    std::optional<std::string> expected = expectedObjectHash(entry, folders_);
    if (!expected) return std::nullopt;
    const std::string path = arrivedPath(entry, folders_.style());
    platform::Result<std::string> actual = platform::sha1OfFile(path);
    download::DownloadEnd end{requestUrl(entry), path, {}, 0};
    if (!actual) {
        end.reason = actual.reason();
    } else if (actual.value() != platform::lowerAscii(*expected)) {
        end.reason = "文件内容与其 SHA-1 不符（实际为 " + actual.value() + "），已删除";
    } else {
        return std::nullopt;
    }
    // A damaged object must never stay in the store as if it were whole.
    download::removeIfExists(path);
    return endMessage(kErrorTitle, end);
}

}  // namespace market
