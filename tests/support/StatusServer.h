#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// A game server's status side on 127.0.0.1: it takes a protocol-4 handshake followed by a
// status request and answers as told. Runs on its own thread until destroyed.
class StatusServer {
  public:
    enum class Behaviour {
        Answer,         // send the reply (in the given batches), then close
        AnswerAndHold,  // send the reply and keep the connection open
        Reset,          // reset the connection once the request is in
        Silent,         // take the request and never answer
        Truncate,       // send the first batch only, then close
    };
    struct Options {
        Behaviour behaviour = Behaviour::Answer;
        std::string reply;               // the whole reply bytes
        std::vector<size_t> batchSizes;  // sizes of the first batches; the rest goes at once
        int pauseBetweenBatchesMs = 20;
    };

    explicit StatusServer(Options options);
    ~StatusServer();
    StatusServer(const StatusServer&) = delete;
    StatusServer& operator=(const StatusServer&) = delete;

    int port() const { return port_; }
    // The bytes each connection sent before the answer, in order of connection.
    std::vector<std::string> requests() const;
    // Whether a request was a valid protocol-4 status handshake and request.
    static bool isStatusHandshake(const std::string& bytes);

    // A status reply packet carrying `json`: length, id 0, text length, text.
    static std::string replyPacket(const std::string& json);

  private:
    void run();
    void serve(int connection);
    std::string readRequest(int connection);

    Options options_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<int> held_;
    std::thread thread_;
};

}  // namespace testing_support
