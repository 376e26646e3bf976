#include "market/InstallPipeline.h"

#include "context/AppTitle.h"
#include "download/TempFile.h"
#include "market/AssetInstaller.h"
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

std::string SpeedText(int32_t speed) {
    return std::to_string(speed) + "KB/S";
}

std::string CountText(size_t count) {
    return std::to_string(count) + "项";
}

InstallPipeline::InstallPipeline(MarketView& view, platform::Dialogs& dialogs, GameFolders folders)
    : view_(view), dialogs_(dialogs), folders_(std::move(folders)) {}

void InstallPipeline::append(const QueueEntry& entry) {
    queue_.push_back(entry);
    view_.queueAppended(entry);
}

void InstallPipeline::StartHeadTask() {
    while (!queue_.empty()) {
        if (!queue_.front().folder.empty()) {
            view_.startDownload(queue_.front());
            return;
        }
        // Without a folder the download would land in the root of the drive: drop it so the
        // queue moves.
        queue_.pop_front();
        view_.queueHeadRemoved();
    }
}

void InstallPipeline::onProgress(int32_t downloaded, int32_t total, int32_t speed) {
    view_.setSpeedText(SpeedText(speed));
    if (total != 0) view_.setProgress(static_cast<float>(static_cast<double>(downloaded) / total));
}

void InstallPipeline::onDone() {
    if (queue_.empty()) return;
    if (std::optional<std::string> damage = damagedObject(queue_.front())) {
        endWithError(*damage);
        return;
    }
    endHead(true);
}

void InstallPipeline::onFailed(const download::DownloadEnd& end) {
    // The queue stands still: the head stays and nothing more starts.
    showMessage(endMessage(kFailureTitle, end));
}

void InstallPipeline::onError(const download::DownloadEnd& end) {
    endWithError(endMessage(kErrorTitle, end));
}

void InstallPipeline::endWithError(const std::string& text) {
    showMessage(text);
    endHead(false);
}

void InstallPipeline::endHead(bool arrived) {
    if (queue_.empty()) return;
    if (queue_.size() > 1) {
        advance();
        return;
    }
    const QueueEntry task = queue_.front();
    dropHead();
    // Closing the window or finishing the update is the last thing done: either may end the
    // window that owns this pipeline. An error on the last task still lets the launch or
    // start-up go on; an update that did not arrive is never finished.
    switch (mode()) {
        case MarketMode::Libraries:
        case MarketMode::Native:
            view_.closeWindow();
            break;
        case MarketMode::SelfUpdate:
            if (arrived) view_.finishSelfUpdate(task);
            break;
        case MarketMode::Normal:
            break;
    }
}

void InstallPipeline::dropHead() {
    queue_.pop_front();
    view_.queueHeadRemoved();
    view_.setProgress(0);
}

void InstallPipeline::advance() {
    dropHead();
    view_.refreshVersionList();
    view_.runAfter(kPauseBetweenTasksMs, [this] { StartHeadTask(); });
}

void InstallPipeline::onTimerTick() {
    view_.setCountText(CountText(queue_.size()));
}

void InstallPipeline::showMessage(const std::string& text) {
    dialogs_.messageBox(text, kAppTitle, platform::MessageIcon::None, platform::MessageButtons::Ok);
}

std::optional<std::string> InstallPipeline::damagedObject(const QueueEntry& entry) const {
    std::optional<std::string> expected = ExpectedObjectHash(entry, folders_);
    if (!expected) return std::nullopt;
    const std::string path = downloadedPath(entry, folders_.style());
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
