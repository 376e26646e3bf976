#pragma once
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <optional>

#include "servers/ServerList.h"
#include "servers/StatusCodec.h"

// One place's status query over its own socket: connect, send the request, collect the reply
// packet, read the player count. Gives up after a bounded wait.
class StatusQuery : public QObject {
    Q_OBJECT

  public:
    enum class Outcome {
        Counted,      // the reply carried both numbers
        NoNumbers,    // a whole reply without online or max
        Unreachable,  // refused, reset, closed early or no such host
        TimedOut,     // no whole reply within the wait
        BadReply,     // a length no status reply has
    };
    struct Result {
        Outcome outcome;
        std::optional<servers::PlayerCount> count;
    };

    explicit StatusQuery(QObject* parent = nullptr);
    ~StatusQuery() override;

    void start(const servers::Endpoint& endpoint, int timeoutMs);
    // Drops the query under way, if any, without a result.
    void stop();
    bool running() const { return running_; }

    std::function<void(const Result&)> onFinished = [](const Result&) {};

  private:
    void sendRequest();
    void takeBytes();
    void takeError();
    void finish(Result result);

    QTcpSocket socket_;
    QTimer deadline_;
    servers::PacketFramer framer_;
    bool running_ = false;
};
