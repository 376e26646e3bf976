#include "LoopbackHttpServer.h"

#include <cctype>
#include <chrono>

#include "LoopbackSocket.h"

namespace testing_support {
namespace {

constexpr int kPollMs = 50;

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
    closeSocket(listener_);
}

std::string LoopbackHttpServer::baseUrl() const {
    return loopbackUrl(port_);
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
        if (!waitReadable(listener_, kPollMs)) continue;
        int socket = acceptConnection(listener_);
        if (socket < 0) continue;
        setNoDelay(socket);
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
            if (!waitReadable(socket, kPollMs)) continue;
            long n = receiveSome(socket, buffer, sizeof buffer);
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
                   !(waitReadable(socket, kPollMs) && receiveSome(socket, buffer, 1) <= 0)) {
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
            closeWithReset(socket);
            return;
        }
    }
    closeSocket(socket);
}

bool LoopbackHttpServer::sendAll(int socket, const std::string& bytes) {
    size_t at = 0;
    while (at < bytes.size() && !stopping_) {
        long n = sendSome(socket, bytes.data() + at, bytes.size() - at);
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
    closeSocket(listenOnLoopback(port));
    return port;
}

std::string loopbackUrl(uint16_t port) {
    return "http://127.0.0.1:" + std::to_string(port);
}

std::string unusedLoopbackUrl() {
    return loopbackUrl(unusedLoopbackPort());
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
