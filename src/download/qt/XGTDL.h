#pragma once
#include <QSslCertificate>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "download/DownloadEngine.h"
#include "platform/Log.h"

// The download control: one HTTP download at a time over a TCP socket of its own, told to
// its host through four events. The engine decides everything; this class only carries
// socket and timer events to it. Events are plain callbacks, raised synchronously; the end
// events are always the last thing the control does, so a handler may start the next one.
class XGTDL : public QWidget,
              private download::DownloadTransport,
              private download::DownloadTimers,
              private download::DownloadListener {
  public:
    XGTDL(platform::Clock& clock, platform::Random& random, QWidget* parent = nullptr);
    ~XGTDL() override;

    void 重新下载();
    void 下载文件(const std::string& 地址, const std::string& 保存地址, bool 是否开启代理 = false,
                  const std::string& 代理IP端口 = {}, const std::string& 自定义文件名字 = {});
    void 停止下载();

    std::function<void(int32_t 已下载大小, int32_t 总大小, int32_t 下载速度)> 下载进度;
    std::function<void()> 下载完毕;
    std::function<void()> 下载失败;
    std::function<void()> 下载错误;

    const download::DownloadEngine& engine() const { return engine_; }
    // Why the last download ended (address, target file, reason, status), readable from
    // inside the end events and after them.
    const download::DownloadEnd& lastEnd() const { return engine_.lastEnd(); }
    // Where the end of each download is written (address, target, reason); none by default.
    void setLog(platform::Log log) { log_ = std::move(log); }
    // Certificate authorities (a PEM file) trusted for https:// besides the system's; empty
    // text trusts the system's only. A file that cannot be read fails every https download.
    void setCertificateAuthorityFile(const std::string& path);
    // See DownloadEngine::setTolerantFraming; for the next download on.
    void setTolerantFraming(bool tolerant) { engine_.setTolerantFraming(tolerant); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void connectTo(const std::string& host, uint16_t port) override;
    bool supportsTls() const override;
    void connectEncryptedTo(const std::string& host, uint16_t port) override;
    void send(const std::string& bytes) override;
    void closeConnection() override;
    bool isClosing() const override { return peerClosed_; }
    bool isOpen() const override;

    void start(download::DownloadTimer timer) override;
    void stop(download::DownloadTimer timer) override;
    bool isActive(download::DownloadTimer timer) const override;

    void progress(int32_t downloaded, int32_t total, int32_t speed) override;
    void done() override;
    void failed() override;
    void error() override;

    void watch(QTcpSocket* socket);
    void readPending();
    char* readBuffer();
    void onTlsErrors(const QList<QSslError>& errors);
    void onSocketError(QAbstractSocket::SocketError error);
    QTimer& timer(download::DownloadTimer which);
    void logEnd(const char* event) const;

    QTcpSocket* socket_ = nullptr;
    bool encrypted_ = false;  // socket_ is a QSslSocket
    QList<QSslCertificate> extraAuthorities_;
    std::string authorityProblem_;
    bool peerClosed_ = false;
    bool reading_ = false;
    std::optional<QAbstractSocket::SocketError> deferredError_;
    std::vector<char> buffer_;
    std::array<QTimer, 3> timers_;
    download::DownloadEngine engine_;
    platform::Log log_;
};
