#include "download/qt/XGTDL.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QSslConfiguration>
#include <QSslSocket>
#include <algorithm>

namespace {

constexpr int kPictureSize = 32;
// The socket is unbuffered: each read goes straight from the system into our buffer. A
// batch is at most this large, so memory stays bounded whatever the system buffers.
constexpr qint64 kReadBatchBytes = 1024 * 1024;
// Batches handled per notification before the event loop gets its turn (timers, stop).
constexpr int kBatchesPerNotification = 8;

int indexOf(download::DownloadTimer timer) {
    return static_cast<int>(timer);
}

}  // namespace

XGTDL::XGTDL(platform::Clock& clock, platform::Random& random, QWidget* parent)
    : QWidget(parent), engine_(*this, *this, *this, clock, random) {
    // The control shows only its picture and keeps that picture's size.
    setFixedSize(kPictureSize, kPictureSize);
    const std::pair<download::DownloadTimer, int> intervals[] = {
        {download::DownloadTimer::ClosePoll, download::kClosePollMs},
        {download::DownloadTimer::Idle, download::kIdleTickMs},
        {download::DownloadTimer::Speed, download::kSpeedTickMs}};
    for (auto [which, interval] : intervals) {
        QTimer& t = timer(which);
        t.setInterval(interval);
        QObject::connect(&t, &QTimer::timeout, this, [this, which] { engine_.onTimer(which); });
    }
}

XGTDL::~XGTDL() {
    engine_.stop();
}

void XGTDL::重新下载() {
    engine_.restart();
}

void XGTDL::下载文件(const std::string& 地址, const std::string& 保存地址, bool 是否开启代理,
                     const std::string& 代理IP端口, const std::string& 自定义文件名字) {
    engine_.startDownload(地址, 保存地址, 是否开启代理, 代理IP端口, 自定义文件名字);
}

void XGTDL::停止下载() {
    engine_.stop();
}

void XGTDL::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2d, 0x7d, 0xd2));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 6, 6);
    QPainterPath arrow;
    arrow.moveTo(13, 6);
    arrow.lineTo(19, 6);
    arrow.lineTo(19, 15);
    arrow.lineTo(24, 15);
    arrow.lineTo(16, 24);
    arrow.lineTo(8, 15);
    arrow.lineTo(13, 15);
    arrow.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
}

void XGTDL::setCertificateAuthorityFile(const std::string& path) {
    extraAuthorities_.clear();
    authorityProblem_.clear();
    if (path.empty()) return;
    extraAuthorities_ = QSslCertificate::fromPath(QString::fromStdString(path));
    if (extraAuthorities_.isEmpty())
        authorityProblem_ = "无法读取证书颁发机构文件“" + path + "”（不存在或不是 PEM 证书）";
}

void XGTDL::watch(QTcpSocket* socket) {
    closeConnection();
    peerClosed_ = false;
    deferredError_.reset();
    socket_ = socket;
    QObject::connect(socket_, &QTcpSocket::readyRead, this, [this] { readPending(); });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, this,
                     [this](QAbstractSocket::SocketError e) { onSocketError(e); });
}

void XGTDL::connectTo(const std::string& host, uint16_t port) {
    watch(new QTcpSocket(this));
    encrypted_ = false;
    QObject::connect(socket_, &QTcpSocket::connected, this, [this] { engine_.onConnected(); });
    socket_->connectToHost(QString::fromStdString(host), port,
                           QIODevice::ReadWrite | QIODevice::Unbuffered);
}

bool XGTDL::supportsTls() const {
    return QSslSocket::supportsSsl();
}

void XGTDL::connectEncryptedTo(const std::string& host, uint16_t port) {
    auto* socket = new QSslSocket(this);
    watch(socket);
    encrypted_ = true;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(extraAuthorities_);
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    // HTTP/1.1 is all the engine speaks; a server offered h2 would answer in frames.
    configuration.setAllowedNextProtocols({QSslConfiguration::NextProtocolHttp1_1});
    socket->setSslConfiguration(configuration);
    // The decrypted bytes wait in the socket's buffer; bounded, the socket stops reading
    // from the network until they are taken.
    socket->setReadBufferSize(2 * kReadBatchBytes);
    QObject::connect(socket, &QSslSocket::encrypted, this, [this] { engine_.onConnected(); });
    QObject::connect(socket, &QSslSocket::sslErrors, this,
                     [this](const QList<QSslError>& errors) { onTlsErrors(errors); });
    if (!authorityProblem_.empty()) {
        // Told after this call returns, as every other end of a connection attempt is.
        QPointer<QSslSocket> attempt(socket);
        QMetaObject::invokeMethod(
            this,
            [this, attempt] {
                if (attempt && attempt == socket_) engine_.onTlsFailure(authorityProblem_);
            },
            Qt::QueuedConnection);
        return;
    }
    socket->connectToHostEncrypted(QString::fromStdString(host), port);
}

void XGTDL::onTlsErrors(const QList<QSslError>& errors) {
    std::string reasons;
    for (const QSslError& error : errors)
        reasons += (reasons.empty() ? "" : "；") + error.errorString().toStdString();
    engine_.onTlsFailure("证书不可信：" + reasons);
}

void XGTDL::send(const std::string& bytes) {
    if (socket_) socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void XGTDL::closeConnection() {
    if (!socket_) return;
    // A new socket serves each connection; the old one may still be on the call stack.
    QObject::disconnect(socket_, nullptr, this, nullptr);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
}

bool XGTDL::isOpen() const {
    return socket_ && !peerClosed_ && socket_->state() != QAbstractSocket::UnconnectedState;
}

void XGTDL::readPending() {
    // Reading is also how an unbuffered socket learns that the peer has closed: the socket
    // then reports it from inside read(), and it is handled once read() has returned.
    QTcpSocket* socket = socket_;
    char* buffer = readBuffer();
    for (int batch = 0; batch < kBatchesPerNotification && socket && socket == socket_; ++batch) {
        reading_ = true;
        qint64 got = socket->read(buffer, kReadBatchBytes);
        reading_ = false;
        if (got < 0 && !deferredError_) {
            // An unbuffered read that meets the end may drop the socket without a signal.
            QAbstractSocket::SocketError error = socket->error();
            deferredError_ = error == QAbstractSocket::UnknownSocketError
                                 ? QAbstractSocket::RemoteHostClosedError
                                 : error;
        }
        if (got <= 0) break;
        engine_.onData(buffer, static_cast<size_t>(got));
    }
    if (deferredError_ && socket == socket_) {
        auto error = *deferredError_;
        deferredError_.reset();
        onSocketError(error);
        return;
    }
    // A TLS socket buffers what it decrypted and says readyRead only for new bytes: what is
    // left after this turn is taken in the next one.
    if (encrypted_ && socket && socket == socket_ && socket->bytesAvailable() > 0) {
        QPointer<QTcpSocket> pending(socket);
        QMetaObject::invokeMethod(
            this,
            [this, pending] {
                if (pending && pending == socket_) readPending();
            },
            Qt::QueuedConnection);
    }
}

char* XGTDL::readBuffer() {
    // Allocated on the first read: a control that never downloads holds none.
    if (buffer_.empty()) buffer_.resize(static_cast<size_t>(kReadBatchBytes));
    return buffer_.data();
}

void XGTDL::onSocketError(QAbstractSocket::SocketError error) {
    if (reading_) {
        deferredError_ = error;
        return;
    }
    if (error == QAbstractSocket::RemoteHostClosedError) {
        // Decrypted bytes may still wait in the TLS socket's buffer; they came before the close.
        while (encrypted_ && socket_ && socket_->bytesAvailable() > 0) {
            QTcpSocket* socket = socket_;
            char* buffer = readBuffer();
            qint64 got = socket->read(buffer, kReadBatchBytes);
            if (got <= 0) break;
            engine_.onData(buffer, static_cast<size_t>(got));
            if (socket != socket_) return;
        }
        peerClosed_ = true;
        engine_.onPeerClosed();
        return;
    }
    if (error == QAbstractSocket::SslHandshakeFailedError ||
        error == QAbstractSocket::SslInternalError ||
        error == QAbstractSocket::SslInvalidUserDataError) {
        engine_.onTlsFailure(socket_ ? socket_->errorString().toStdString() : std::string());
        return;
    }
    engine_.onSocketError();
}

QTimer& XGTDL::timer(download::DownloadTimer which) {
    return timers_[static_cast<size_t>(indexOf(which))];
}

void XGTDL::start(download::DownloadTimer which) {
    timer(which).start();
}

void XGTDL::stop(download::DownloadTimer which) {
    timer(which).stop();
}

bool XGTDL::isActive(download::DownloadTimer which) const {
    return timers_[static_cast<size_t>(indexOf(which))].isActive();
}

void XGTDL::progress(int32_t downloaded, int32_t total, int32_t speed) {
    if (下载进度) 下载进度(downloaded, total, speed);
}

void XGTDL::logEnd(const char* event) const {
    const download::DownloadEnd& end = engine_.lastEnd();
    std::string line = std::string(event) + "：" + end.url + " → " + end.file;
    if (end.status != 0) line += "，状态 " + std::to_string(end.status);
    if (!end.reason.empty()) line += "，" + end.reason;
    log_.write(line);
}

void XGTDL::done() {
    logEnd("下载完毕");
    if (下载完毕) 下载完毕();
}

void XGTDL::failed() {
    logEnd("下载失败");
    if (下载失败) 下载失败();
}

void XGTDL::error() {
    logEnd("下载错误");
    if (下载错误) 下载错误();
}
