#include "RecordingHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace testing_support {
namespace {

// Reads one request: the header up to the blank line, then Content-Length body bytes.
std::string readRequest(int connection) {
    std::string request;
    char buffer[4096];
    size_t needed = std::string::npos;
    for (int rounds = 0; rounds < 10000; ++rounds) {
        size_t headerEnd = request.find("\r\n\r\n");
        if (headerEnd != std::string::npos && needed == std::string::npos) {
            needed = headerEnd + 4;
            std::string header = request.substr(0, headerEnd);
            for (auto& c : header)
                c = static_cast<char>(std::tolower(c));
            size_t at = header.find("content-length:");
            if (at != std::string::npos) needed += std::stoul(header.substr(at + 15));
        }
        if (needed != std::string::npos && request.size() >= needed) break;
        pollfd fd{connection, POLLIN, 0};
        if (poll(&fd, 1, 5000) <= 0) break;
        ssize_t n = recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<size_t>(n));
    }
    return request;
}

}  // namespace

RecordingHttpServer::RecordingHttpServer(std::string reply) : reply_(std::move(reply)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener_, 16) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

RecordingHttpServer::~RecordingHttpServer() {
    stopping_ = true;
    thread_.join();
    close(listener_);
}

std::vector<std::string> RecordingHttpServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::string RecordingHttpServer::response(int status, const std::string& body) {
    return "HTTP/1.1 " + std::to_string(status) +
           " X\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

void RecordingHttpServer::serve() {
    while (!stopping_) {
        pollfd fd{listener_, POLLIN, 0};
        if (poll(&fd, 1, 50) <= 0) continue;
        int connection = accept(listener_, nullptr, nullptr);
        if (connection < 0) continue;
        std::string request = readRequest(connection);
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request);
        }
        send(connection, reply_.data(), reply_.size(), MSG_NOSIGNAL);
        shutdown(connection, SHUT_WR);
        close(connection);
    }
}

}  // namespace testing_support
