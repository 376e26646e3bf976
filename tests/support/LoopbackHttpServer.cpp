#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <stdexcept>

namespace testing_support {
namespace {

constexpr int kPollMs = 50;

int listenOnLoopback(uint16_t& port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) throw std::runtime_error("socket failed");
    int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 64) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

// The whole length of the request that starts `pending` (header and Content-Length body),
// or npos while its header is not complete.
size_t requestLength(const std::string& pending) {
    size_t end = pending.find("\r\n\r\n");
    if (end == std::string::npos) return std::string::npos;
    std::string header = pending.substr(0, end);
    for (char& c : header)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t at = header.find("\r\ncontent-length:");
    size_t body = at == std::string::npos ? 0 : std::stoul(header.substr(at + 17));
    return end + 4 + body;
}

bool readable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(Handler handler) : handler_(std::move(handler)) {
    listener_ = listenOnLoopback(port_);
    acceptThread_ = std::thread([this] { acceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stopping_ = true;
    acceptThread_.join();
    for (auto& thread : threads_)
        thread.join();
    ::close(listener_);
}

std::string LoopbackHttpServer::baseUrl() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::vector<std::string> LoopbackHttpServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

std::string LoopbackHttpServer::pathOf(const std::string& request) {
    size_t start = request.find(' ');
    if (start == std::string::npos) return {};
    size_t end = request.find(' ', start + 1);
    return request.substr(start + 1, end == std::string::npos ? end : end - start - 1);
}

void LoopbackHttpServer::acceptLoop() {
    while (!stopping_) {
        if (!readable(listener_, kPollMs)) continue;
        int socket = ::accept(listener_, nullptr, nullptr);
        if (socket < 0) continue;
        int yes = 1;
        ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        ++connections_;
        threads_.emplace_back([this, socket] { serve(socket); });
    }
}

void LoopbackHttpServer::serve(int socket) {
    std::string pending;
    char buffer[16384];
    while (!stopping_) {
        size_t length = requestLength(pending);
        if (length == std::string::npos || pending.size() < length) {
            if (!readable(socket, kPollMs)) continue;
            ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            pending.append(buffer, static_cast<size_t>(n));
            continue;
        }
        std::string request = pending.substr(0, length);
        pending.erase(0, length);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        ScriptedResponse response = handler_(request);
        if (response.silent) {
            while (!stopping_ &&
                   !(readable(socket, kPollMs) && ::recv(socket, buffer, 1, 0) <= 0)) {
            }
            break;
        }
        bool sent = true;
        for (size_t i = 0; i < response.batches.size() && sent; ++i) {
            if (i > 0 && !pause(response.delayMs)) sent = false;
            sent = sent && sendAll(socket, response.batches[i]);
        }
        if (!sent || response.after == ScriptedResponse::After::Close) break;
        if (response.after == ScriptedResponse::After::Reset) {
            linger hard{1, 0};
            ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            break;
        }
    }
    ::close(socket);
}

bool LoopbackHttpServer::sendAll(int socket, const std::string& bytes) {
    size_t at = 0;
    while (at < bytes.size() && !stopping_) {
        ssize_t n = ::send(socket, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
        if (n <= 0) return false;
        at += static_cast<size_t>(n);
    }
    return at == bytes.size();
}

bool LoopbackHttpServer::pause(int milliseconds) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!stopping_ && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !stopping_;
}

uint16_t unusedLoopbackPort() {
    uint16_t port = 0;
    int fd = listenOnLoopback(port);
    ::close(fd);
    return port;
}

LoopbackHttpServer::Handler LoopbackHttpServer::replyWith(std::string bytes) {
    return [bytes = std::move(bytes)](const std::string&) { return ScriptedResponse{{bytes}}; };
}

std::string LoopbackHttpServer::response(int status, const std::string& body) {
    return "HTTP/1.1 " + std::to_string(status) +
           " X\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace testing_support
