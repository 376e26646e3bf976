#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// A small HTTP server on 127.0.0.1 for request/reply services (sign-in, catalogues): it
// records each whole request (header and Content-Length body) and answers every one with
// `reply`, the exact response bytes, then closes the connection.
class RecordingHttpServer {
  public:
    explicit RecordingHttpServer(std::string reply);
    ~RecordingHttpServer();
    RecordingHttpServer(const RecordingHttpServer&) = delete;
    RecordingHttpServer& operator=(const RecordingHttpServer&) = delete;

    int port() const { return port_; }
    std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::vector<std::string> requests() const;

    // A complete response with status line, Content-Length and body.
    static std::string response(int status, const std::string& body);

  private:
    void serve();

    std::string reply_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace testing_support
