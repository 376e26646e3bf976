#include "NginxServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "LoopbackHttpServer.h"
#include "LoopbackSocket.h"

extern char** environ;

namespace testing_support {
namespace {

const char* const kNginx = "/usr/sbin/nginx";

bool accepts(uint16_t port) {
    int fd = connectToLoopback(port);
    if (fd >= 0) closeSocket(fd);
    return fd >= 0;
}

}  // namespace

std::string nginxConfig(const std::string& prefix, uint16_t port,
                        const NginxServer::Options& options) {
    std::string redirects;
    for (const auto& [location, target] : options.redirects)
        redirects += "        location = " + location + " { return 302 " + target + "; }\n";
    std::string listen = "127.0.0.1:" + std::to_string(port);
    if (!options.certificateFile.empty()) {
        listen += " ssl;\n        ssl_certificate \"" + options.certificateFile +
                  "\";\n        ssl_certificate_key \"" + options.keyFile + "\"";
    }
    return "daemon off;\nmaster_process off;\nworker_processes 1;\n"
           "pid " +
           prefix + "/nginx.pid;\nerror_log " + prefix +
           "/error.log warn;\n"
           "events { worker_connections 256; }\n"
           "http {\n"
           "    access_log off;\n"
           "    default_type application/octet-stream;\n"
           "    sendfile on;\n    tcp_nopush on;\n"
           "    keepalive_timeout 65;\n    keepalive_requests 100000;\n"
           "    client_body_temp_path " +
           prefix +
           "/body;\n"
           "    proxy_temp_path " +
           prefix +
           "/proxy;\n"
           "    fastcgi_temp_path " +
           prefix +
           "/fastcgi;\n"
           "    uwsgi_temp_path " +
           prefix +
           "/uwsgi;\n"
           "    scgi_temp_path " +
           prefix +
           "/scgi;\n"
           "    server {\n"
           "        listen " +
           listen +
           ";\n"
           "        root \"" +
           options.root + "\";\n" + redirects + options.extraServerLines + "    }\n}\n";
}

bool NginxServer::available() {
    return ::access(kNginx, X_OK) == 0;
}

NginxServer::NginxServer(Options options) : secure_(!options.certificateFile.empty()) {
    // A port found free may be taken before nginx binds it; try a few.
    for (int attempt = 0; attempt < 5 && pid_ <= 0; ++attempt)
        start(options);
}

bool NginxServer::start(const Options& options) {
    port_ = unusedLoopbackPort();
    std::string conf = prefix_.write("nginx.conf", nginxConfig(prefix_.path(), port_, options));
    std::string errorLog = prefix_.path() + "/error.log";
    const char* argv[] = {kNginx,       "-p", prefix_.path().c_str(), "-c",
                          conf.c_str(), "-e", errorLog.c_str(),       nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, kNginx, nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return false;
    for (int i = 0; i < 200; ++i) {
        if (accepts(port_)) {
            pid_ = pid;
            return true;
        }
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) return false;  // it gave up
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return false;
}

NginxServer::~NginxServer() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}

std::string NginxServer::errorLog() const {
    return readAll(prefix_.path() + "/error.log");
}

}  // namespace testing_support
