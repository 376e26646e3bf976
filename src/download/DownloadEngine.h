#pragma once
#include <cstdint>
#include <string>

#include "download/ChunkedBody.h"
#include "download/DownloadEnd.h"
#include "download/ResponseHead.h"
#include "download/TempFile.h"
#include "platform/Clock.h"
#include "platform/Random.h"

namespace download {

// The TCP connection a download runs on. The engine is told what happens on it through
// its On... members.
class DownloadTransport {
  public:
    virtual ~DownloadTransport() = default;
    virtual void connectTo(const std::string& host, uint16_t port) = 0;
    // Whether connectEncryptedTo works; without it only http:// addresses are taken.
    virtual bool supportsTls() const = 0;
    // A TLS connection whose certificate must be valid for `host`; onConnected follows the
    // handshake, and a refused certificate or handshake is told through onTlsFailure.
    virtual void connectEncryptedTo(const std::string& host, uint16_t port) = 0;
    virtual void send(const std::string& bytes) = 0;
    virtual void closeConnection() = 0;
    // The peer has closed its side after sending what it had.
    virtual bool isClosing() const = 0;
    // A connection is being made or is established.
    virtual bool isOpen() const = 0;
};

enum class DownloadTimer { ClosePoll, Idle, Speed };
inline constexpr int kClosePollMs = 300;
inline constexpr int kIdleTickMs = 1000;
inline constexpr int kSpeedTickMs = 1000;

class DownloadTimers {
  public:
    virtual ~DownloadTimers() = default;
    virtual void start(DownloadTimer timer) = 0;
    virtual void stop(DownloadTimer timer) = 0;
    virtual bool isActive(DownloadTimer timer) const = 0;
};

// What the engine tells its host. done, failed and error are always the last thing the
// engine does for a download, so a handler may start the next one.
class DownloadListener {
  public:
    virtual ~DownloadListener() = default;
    virtual void progress(int32_t downloaded, int32_t total, int32_t speed) = 0;
    virtual void done() = 0;
    virtual void failed() = 0;
    virtual void error() = 0;
};

// One HTTP/1.1 download at a time: the request, the temporary file, redirects, the three
// ways a download is finished and the split into the target file.
class DownloadEngine {
  public:
    static constexpr int kMaxRedirects = 20;

    DownloadEngine(DownloadTransport& transport, DownloadTimers& timers, DownloadListener& listener,
                   platform::Clock& clock, platform::Random& random);

    void startDownload(const std::string& url, const std::string& saveFolder, bool useProxy = false,
                       const std::string& proxyAddress = {},
                       const std::string& customFileName = {});
    void restart();
    void stop();
    // For hosts that answer in any HTTP/1.1 framing (CDNs): asks for uncompressed content and
    // decodes a chunked answer. Applies from the next download on; off by default.
    void setTolerantFraming(bool tolerant) { tolerantFraming_ = tolerant; }

    void onConnected();
    void onData(const char* data, size_t size);
    void onPeerClosed();
    void onSocketError();
    // The TLS handshake failed or the certificate was refused; `why` is the library's text.
    void onTlsFailure(const std::string& why);
    void onTimer(DownloadTimer timer);

    bool active() const { return active_; }
    int32_t received() const { return received_; }
    int32_t totalSize() const { return totalSize_; }
    int32_t speed() const { return speed_; }
    const std::string& requestText() const { return requestText_; }
    const std::string& url() const { return url_; }
    const std::string& fileName() const { return fileName_; }
    const std::string& tempName() const { return tempName_; }
    // How the last download ended; filled before done, failed or error is raised.
    const DownloadEnd& lastEnd() const { return end_; }

  private:
    void begin(const std::string& url, int redirectsSoFar);
    void onHeadComplete();
    bool acceptsFraming();
    void writeBody(const char* data, size_t size);
    bool appendContent(const char* data, size_t size);
    void followRedirect(const std::string& location);
    void finish();
    bool SplitDownload();
    bool bodyComplete() const;
    // The framing says the whole body is here: the length reached or the last chunk read.
    bool framedComplete() const;
    // The framing says bytes are missing: a length not reached or chunks not finished.
    bool bodyOwed() const;
    void raiseProgress(int32_t downloaded);
    void endWithError(const std::string& reason);
    void endWithFailure(const std::string& reason);
    void end(const std::string& reason, void (DownloadListener::*event)());
    void recordEnd(const std::string& reason);
    void haltTransfer();
    void removeTempFiles();
    std::string folderPath(const std::string& name) const;

    DownloadTransport& transport_;
    DownloadTimers& timers_;
    DownloadListener& listener_;
    platform::Clock& clock_;
    platform::Random& random_;

    std::string requestText_;
    TempFile tempFile_;
    bool headerSeen_ = false;
    bool active_ = false;
    int32_t totalSize_ = 0;
    int32_t received_ = 0;
    std::string saveFolder_;
    std::string url_;
    bool useProxy_ = false;
    std::string proxyAddress_;
    std::string tempName_;
    int idleCountdown_ = 0;
    std::string fileName_;
    int32_t lastSample_ = 0;
    int32_t speed_ = 0;

    ResponseHead head_;
    bool lengthKnown_ = false;
    int64_t bodyBytes_ = 0;
    int redirects_ = 0;
    bool tolerantFraming_ = false;
    bool tolerantNow_ = false;  // the setting the running download started with
    bool secure_ = false;
    bool chunked_ = false;
    ChunkedBody chunks_;
    uint64_t generation_ = 0;  // changes whenever a download starts or ends
    DownloadEnd end_;
};

}  // namespace download
