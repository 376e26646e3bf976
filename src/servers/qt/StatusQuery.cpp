#include "servers/qt/StatusQuery.h"

StatusQuery::StatusQuery(QObject* parent) : QObject(parent) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { finish({Outcome::TimedOut, {}}); });
    connect(&socket_, &QTcpSocket::connected, this, &StatusQuery::sendRequest);
    connect(&socket_, &QTcpSocket::readyRead, this, &StatusQuery::takeBytes);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &StatusQuery::takeError);
    connect(&socket_, &QTcpSocket::disconnected, this, &StatusQuery::takeError);
}

StatusQuery::~StatusQuery() {
    // The socket is destroyed after this object's own members and would still report its
    // close here; nothing may be reported any more.
    running_ = false;
    socket_.disconnect(this);
    socket_.abort();
}

void StatusQuery::start(const servers::Endpoint& endpoint, int timeoutMs) {
    stop();
    framer_ = {};
    running_ = true;
    deadline_.start(timeoutMs);
    socket_.connectToHost(QString::fromStdString(endpoint.host), quint16(endpoint.port));
}

void StatusQuery::stop() {
    running_ = false;
    deadline_.stop();
    socket_.abort();
}

void StatusQuery::sendRequest() {
    // Each of the three writes is handed to the system on its own rather than gathered in the
    // socket's buffer, so the bytes leave in the same pieces on every system.
    for (const std::string& part : servers::statusRequestWrites()) {
        socket_.write(part.data(), qint64(part.size()));
        socket_.flush();
    }
}

void StatusQuery::takeBytes() {
    if (!running_) return;
    QByteArray bytes = socket_.readAll();
    switch (framer_.append(std::string_view(bytes.constData(), size_t(bytes.size())))) {
        case servers::PacketFramer::State::Collecting:
            return;
        case servers::PacketFramer::State::Invalid:
            return finish({Outcome::BadReply, {}});
        case servers::PacketFramer::State::Complete: {
            std::optional<servers::PlayerCount> count = servers::readPlayerCount(framer_.packet());
            return finish({count ? Outcome::Counted : Outcome::NoNumbers, count});
        }
    }
}

void StatusQuery::takeError() {
    if (!running_) return;
    // Bytes that came with the close still count.
    if (socket_.bytesAvailable() > 0) takeBytes();
    if (running_) finish({Outcome::Unreachable, {}});
}

void StatusQuery::finish(Result result) {
    running_ = false;
    deadline_.stop();
    socket_.abort();
    onFinished(result);
}
