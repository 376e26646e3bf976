#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// What the server does with one request.
struct ScriptedResponse {
    enum class After { Close, KeepOpen, Reset };
    std::vector<std::string> batches;  // sent one by one, exactly as given
    int delayMs = 0;                   // pause before every batch but the first
    After after = After::Close;        // close, keep reading requests, or send a reset
    bool silent = false;               // accept, read the request and never answer
};

// An HTTP server on 127.0.0.1 for tests, answering each request (header and Content-Length
// body) from a handler. Every connection runs on its own thread; everything stops when the
// object goes.
class LoopbackHttpServer {
  public:
    using Handler = std::function<ScriptedResponse(const std::string& request)>;

    explicit LoopbackHttpServer(Handler handler);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>"
    std::string baseUrl() const;
    // Every request text received so far, in order.
    std::vector<std::string> requests() const;
    int connections() const { return connections_; }

    // A handler that answers every request with the exact `bytes`, then closes.
    static Handler replyWith(std::string bytes);
    // A complete response with status line, Content-Length and body.
    static std::string response(int status, const std::string& body);

    // The request path of a request text ("GET /a/b HTTP/1.1" gives "/a/b").
    static std::string pathOf(const std::string& request);

  private:
    void acceptLoop();
    void serve(int socket);
    bool sendAll(int socket, const std::string& bytes);
    bool pause(int milliseconds);

    Handler handler_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<std::thread> threads_;
    std::thread acceptThread_;
};

// A port on 127.0.0.1 that nobody listens on (a connection there is refused).
uint16_t unusedLoopbackPort();
// "http://127.0.0.1:<port>".
std::string loopbackUrl(uint16_t port);
// The loopbackUrl of an unusedLoopbackPort.
std::string unusedLoopbackUrl();

}  // namespace testing_support
