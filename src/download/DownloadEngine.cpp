#include "download/DownloadEngine.h"

#include <algorithm>

#include "download/DownloadNames.h"
#include "download/DownloadTask.h"
#include "download/DownloadUrl.h"
#include "platform/Paths.h"

namespace download {
namespace {

constexpr int kIdleTicks = 5;
// A host that never answers the connection attempt would otherwise leave the download
// waiting for the system's own connect time-out (minutes on some systems).
constexpr int kConnectTicks = 20;

}  // namespace

DownloadEngine::DownloadEngine(DownloadTransport& transport, DownloadTimers& timers,
                               DownloadListener& listener, platform::Clock& clock,
                               platform::Random& random)
    : transport_(transport), timers_(timers), listener_(listener), clock_(clock), random_(random) {}

void DownloadEngine::startDownload(const std::string& url, const std::string& saveFolder,
                                   bool useProxy, const std::string& proxyAddress,
                                   const std::string& customFileName) {
    // A download waiting for its close poll has no open connection but still owns its
    // temporary file; it ends here, as one with an open connection does.
    if (active_ || transport_.isOpen()) {
        endWithError("上一个下载尚未结束，请先停止下载");
        return;
    }
    saveFolder_ = withoutTrailingSeparator(saveFolder);
    useProxy_ = useProxy;
    proxyAddress_ = proxyAddress;
    fileName_ = plainFileName(customFileName.empty() ? lastUrlElement(url) : customFileName);
    redirects_ = 0;
    begin(url, 0);
}

void DownloadEngine::begin(const std::string& url, int redirectsSoFar) {
    ++generation_;
    requestText_.clear();
    tempFile_.close();
    headerSeen_ = false;
    active_ = false;
    totalSize_ = received_ = lastSample_ = speed_ = 0;
    head_ = ResponseHead();
    lengthKnown_ = false;
    bodyBytes_ = 0;
    end_ = DownloadEnd{};
    url_ = url;
    redirects_ = redirectsSoFar;

    auto address = parseHttpUrl(url);
    if (!address) {
        endWithError("下载地址无效（只支持 http:// 地址）：" + url);
        return;
    }
    std::string host = address->host;
    uint16_t port = address->port;
    if (useProxy_) {
        auto proxy = parseProxyAddress(proxyAddress_);
        if (!proxy) {
            endWithError("代理地址无效（应为 IP:端口）：" + proxyAddress_);
            return;
        }
        std::tie(host, port) = *proxy;
    }
    requestText_ = buildRequestText(*address, useProxy_);
    active_ = true;
    idleCountdown_ = kConnectTicks;
    timers_.start(DownloadTimer::Idle);
    transport_.connectTo(host, port);
}

void DownloadEngine::restart() {
    std::string url = url_;
    std::string folder = saveFolder_;
    std::string name = fileName_;
    stop();
    startDownload(url, folder, useProxy_, proxyAddress_, name);
}

void DownloadEngine::stop() {
    haltTransfer();
    removeTempFiles();
    active_ = false;
    ++generation_;
}

void DownloadEngine::onConnected() {
    // A repeated connected event must not open a second temporary file and lose the first.
    if (!active_ || tempFile_.isOpen()) return;
    tempName_ = makeTempName(clock_.now(), random_);
    if (!tempFile_.open(folderPath(tempName_))) {
        endWithError("无法在文件夹中创建临时文件：" + saveFolder_);
        return;
    }
    transport_.send(requestText_);
    timers_.start(DownloadTimer::ClosePoll);
    idleCountdown_ = kIdleTicks;
    timers_.start(DownloadTimer::Idle);
    timers_.start(DownloadTimer::Speed);
}

void DownloadEngine::onData(const char* data, size_t size) {
    if (!active_ || !tempFile_.isOpen() || size == 0) return;
    const uint64_t generation = generation_;
    // The reported count keeps its historic rule: one less than each batch, header included.
    received_ = static_cast<int32_t>(std::min<int64_t>(
        INT32_MAX, static_cast<int64_t>(received_) + static_cast<int64_t>(size) - 1));
    idleCountdown_ = kIdleTicks;
    bool firstBodyBatch = false;
    if (!headerSeen_) {
        size_t taken = head_.feed(data, size);
        if (head_.tooLong()) return endWithError("服务器回应的头部过长，不是有效的 HTTP 回应");
        if (!head_.complete()) return;
        onHeadComplete();
        if (generation != generation_) return;
        data += taken;
        size -= taken;
        firstBodyBatch = true;
    }
    writeBody(data, size);
    if (generation != generation_) return;
    if (firstBodyBatch) {
        raiseProgress(0);
        if (generation != generation_) return;
    }
    if (totalSize_ >= received_) {
        raiseProgress(received_);
        if (generation != generation_) return;
    }
    if (lengthKnown_ && bodyComplete() && active_) finish();
}

void DownloadEngine::onHeadComplete() {
    auto status = head_.status();
    if (!status) return endWithError("服务器的回应不是有效的 HTTP 回应");
    auto location = head_.header("Location");
    if (isRedirectStatus(*status) && location && !location->empty())
        return followRedirect(*location);
    if (*status < 200 || *status > 299)
        return endWithError("服务器回应状态 " + std::to_string(*status) + "，文件未下载：" + url_);
    if (head_.chunked()) return endWithError("服务器使用分块传输（chunked），无法下载：" + url_);
    switch (head_.contentLength(totalSize_)) {
        case ResponseHead::Length::Valid:
            lengthKnown_ = true;
            break;
        case ResponseHead::Length::Missing:
            totalSize_ = 0;
            break;
        case ResponseHead::Length::TooLarge:
            return endWithError("文件超过 2 GB，无法下载：" + url_);
        case ResponseHead::Length::Invalid:
            return endWithError("服务器回应的 Content-Length 无效：" + url_);
    }
    if (fileName_.empty()) fileName_ = plainFileName(FileNameFromChunk(head_.text(), ""));
    headerSeen_ = true;
}

void DownloadEngine::writeBody(const char* data, size_t size) {
    if (lengthKnown_) size = static_cast<size_t>(std::min<int64_t>(size, totalSize_ - bodyBytes_));
    if (size == 0) return;
    if (!tempFile_.append(data, size)) return endWithError("写入临时文件失败：" + saveFolder_);
    bodyBytes_ += static_cast<int64_t>(size);
}

bool DownloadEngine::bodyComplete() const {
    return bodyBytes_ >= totalSize_;
}

void DownloadEngine::followRedirect(const std::string& location) {
    if (redirects_ >= kMaxRedirects)
        return endWithError("重定向次数超过 " + std::to_string(kMaxRedirects) + " 次：" + url_);
    haltTransfer();
    removeTempFiles();
    active_ = false;
    std::string next = resolveLocation(url_, location);
    // The name found so far stays; without one, the new URL names the file.
    if (fileName_.empty()) fileName_ = plainFileName(lastUrlElement(next));
    begin(next, redirects_ + 1);
}

void DownloadEngine::finish() {
    timers_.stop(DownloadTimer::ClosePoll);
    timers_.stop(DownloadTimer::Idle);
    timers_.stop(DownloadTimer::Speed);
    if (!SplitDownload()) return;
    active_ = false;
    transport_.closeConnection();
    const uint64_t generation = ++generation_;
    raiseProgress(totalSize_);
    if (generation != generation_) return;
    recordEnd("");
    listener_.done();
}

bool DownloadEngine::SplitDownload() {
    if (!tempFile_.close()) {
        endWithError("写入临时文件失败：" + saveFolder_);
        return false;
    }
    if (!headerSeen_) {
        endWithError("服务器的回应不完整：" + url_);
        return false;
    }
    // The header stays in memory and its name search ran when it was complete, so no
    // header text file is written only to be read back and deleted.
    const std::string& name = fileName_;
    if (lengthKnown_ && !bodyComplete()) {
        endWithError("文件不完整：收到 " + std::to_string(bodyBytes_) + " 字节，应为 " +
                     std::to_string(totalSize_) + " 字节：" + url_);
        return false;
    }
    if (name.empty()) {
        endWithError("无法从地址或回应中得到文件名：" + url_);
        return false;
    }
    if (!replaceFile(folderPath(tempName_), folderPath(name))) {
        endWithError("无法写入文件：" + folderPath(name));
        return false;
    }
    return true;
}

void DownloadEngine::onPeerClosed() {
    if (!active_) return;
    if (!headerSeen_ || (lengthKnown_ && !bodyComplete()))
        endWithFailure("连接在下载完成前断开：" + url_);
    // Otherwise the close poll finishes the download.
}

void DownloadEngine::onSocketError() {
    if (!active_) return;
    if (transport_.isClosing()) return onPeerClosed();
    bool connected = timers_.isActive(DownloadTimer::ClosePoll);
    endWithFailure((connected ? "下载时连接中断：" : "无法连接到服务器：") + url_);
}

void DownloadEngine::onTimer(DownloadTimer timer) {
    switch (timer) {
        case DownloadTimer::ClosePoll:
            if (transport_.isClosing() && active_) {
                if (headerSeen_ && (!lengthKnown_ || bodyComplete())) return finish();
                return endWithFailure("连接在下载完成前断开：" + url_);
            }
            return;
        case DownloadTimer::Idle:
            if (--idleCountdown_ > 0) return;
            if (!tempFile_.isOpen()) return endWithFailure("连接服务器超时：" + url_);
            if (headerSeen_ && lengthKnown_ && bodyComplete()) return finish();
            return endWithError("服务器 5 秒没有送来数据，下载未完成：" + url_);
        case DownloadTimer::Speed:
            speed_ = (received_ - lastSample_) / 1024;
            lastSample_ = received_;
            return;
    }
}

void DownloadEngine::raiseProgress(int32_t downloaded) {
    listener_.progress(downloaded, totalSize_, speed_);
}

void DownloadEngine::endWithError(const std::string& reason) {
    end(reason, &DownloadListener::error);
}

void DownloadEngine::endWithFailure(const std::string& reason) {
    end(reason, &DownloadListener::failed);
}

void DownloadEngine::end(const std::string& reason, void (DownloadListener::*event)()) {
    haltTransfer();
    removeTempFiles();
    active_ = false;
    ++generation_;
    recordEnd(reason);
    (listener_.*event)();
}

void DownloadEngine::recordEnd(const std::string& reason) {
    end_.url = url_;
    end_.file = fileName_.empty() ? std::string() : folderPath(fileName_);
    end_.reason = reason;
    end_.status = head_.status().value_or(0);
}

void DownloadEngine::haltTransfer() {
    timers_.stop(DownloadTimer::ClosePoll);
    timers_.stop(DownloadTimer::Idle);
    timers_.stop(DownloadTimer::Speed);
    transport_.closeConnection();
    tempFile_.close();
}

void DownloadEngine::removeTempFiles() {
    if (tempName_.empty()) return;
    removeIfExists(folderPath(tempName_));
}

std::string DownloadEngine::folderPath(const std::string& name) const {
    return saveFolder_ + platform::PathStyle::native().separator + name;
}

}  // namespace download
