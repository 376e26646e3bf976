#pragma once
#include <string>
#include <utility>
#include <vector>

#include "TempFolder.h"

namespace testing_support {

// A real nginx on a free 127.0.0.1 port, serving `root` with keep-alive on, started in the
// foreground with its own configuration, prefix and logs in a temporary folder and stopped
// when the object goes. Each redirect (location, target) becomes `return 302 target;`.
// With a certificate and key it speaks TLS (HTTP/1.1 only) and baseUrl() is "https://...";
// TlsFolderServer (TlsFolderServer.h) makes both and is the easy way to serve over TLS.
class NginxServer {
  public:
    struct Options {
        std::string root;
        std::vector<std::pair<std::string, std::string>> redirects;
        std::string extraServerLines;   // more directives inside the server block
        std::string certificateFile{};  // PEM; with keyFile, the server speaks TLS
        std::string keyFile{};
    };

    // Whether an nginx binary is there to run (tests skip without one).
    static bool available();

    explicit NginxServer(Options options);
    ~NginxServer();
    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;

    bool running() const { return pid_ > 0; }
    uint16_t port() const { return port_; }
    std::string baseUrl() const {
        return (secure_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_);
    }
    // The error log, for a failing test's message.
    std::string errorLog() const;

  private:
    bool start(const Options& options);

    TempFolder prefix_{"nginx"};
    uint16_t port_ = 0;
    int pid_ = -1;
    bool secure_ = false;
};

// The nginx configuration text used by NginxServer (also written by the benchmark script).
std::string nginxConfig(const std::string& prefix, uint16_t port,
                        const NginxServer::Options& options);

}  // namespace testing_support
