#include "StatusServer.h"

#include <chrono>

#include "LoopbackSocket.h"

namespace testing_support {

namespace {

std::string varInt(uint32_t value) {
    std::string bytes;
    do {
        unsigned char byte = value & 0x7F;
        value >>= 7;
        if (value) byte |= 0x80;
        bytes += char(byte);
    } while (value);
    return bytes;
}

// Reads a VarInt at `at`; false when incomplete.
bool takeVarInt(const std::string& bytes, size_t& at, uint32_t& value) {
    value = 0;
    for (int shift = 0; shift < 35 && at < bytes.size(); shift += 7) {
        auto byte = static_cast<unsigned char>(bytes[at++]);
        value |= uint32_t(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return true;
    }
    return false;
}

// The length of a whole handshake plus status request at the start of `bytes`, or 0.
size_t requestLength(const std::string& bytes) {
    size_t at = 0;
    uint32_t length = 0;
    if (!takeVarInt(bytes, at, length) || bytes.size() < at + length) return 0;
    at += length;
    uint32_t second = 0;
    if (!takeVarInt(bytes, at, second) || bytes.size() < at + second) return 0;
    return at + second;
}

}  // namespace

std::string StatusServer::replyPacket(const std::string& json) {
    std::string body = varInt(0) + varInt(uint32_t(json.size())) + json;
    return varInt(uint32_t(body.size())) + body;
}

bool StatusServer::isStatusHandshake(const std::string& bytes) {
    size_t at = 0;
    uint32_t length = 0, id = 0, protocol = 0, hostLength = 0;
    if (!takeVarInt(bytes, at, length) || bytes.size() < at + length) return false;
    size_t end = at + length;
    if (!takeVarInt(bytes, at, id) || id != 0) return false;
    if (!takeVarInt(bytes, at, protocol) || protocol != 4) return false;
    if (!takeVarInt(bytes, at, hostLength)) return false;
    at += hostLength + 2;  // host text and port
    uint32_t nextState = 0;
    if (at >= end || !takeVarInt(bytes, at, nextState) || nextState != 1 || at != end) return false;
    return bytes.substr(end) == std::string("\x01\x00", 2);
}

StatusServer::StatusServer(Options options) : options_(std::move(options)) {
    uint16_t port = 0;
    listener_ = listenOnLoopback(port);
    port_ = port;
    thread_ = std::thread([this] { run(); });
}

StatusServer::~StatusServer() {
    stopping_ = true;
    thread_.join();
    for (int fd : held_)
        closeSocket(fd);
    closeSocket(listener_);
}

std::vector<std::string> StatusServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void StatusServer::run() {
    while (!stopping_) {
        if (!waitReadable(listener_, 20)) continue;
        int connection = acceptConnection(listener_);
        if (connection >= 0) serve(connection);
    }
}

std::string StatusServer::readRequest(int connection) {
    std::string bytes;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!stopping_ && requestLength(bytes) == 0 && std::chrono::steady_clock::now() < deadline) {
        if (!waitReadable(connection, 20)) continue;
        char chunk[256];
        long got = receiveSome(connection, chunk, sizeof chunk);
        if (got <= 0) break;
        bytes.append(chunk, size_t(got));
    }
    return bytes;
}

void StatusServer::serve(int connection) {
    std::string request = readRequest(connection);
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    switch (options_.behaviour) {
        case Behaviour::Silent:
            held_.push_back(connection);
            return;
        case Behaviour::Reset: {
            closeWithReset(connection);
            return;
        }
        default:
            break;
    }
    size_t sent = 0;
    for (size_t size : options_.batchSizes) {
        if (sent >= options_.reply.size()) break;
        sendSome(connection, options_.reply.data() + sent,
                 std::min(size, options_.reply.size() - sent));
        sent += size;
        if (options_.behaviour == Behaviour::Truncate) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(options_.pauseBetweenBatchesMs));
    }
    if (options_.behaviour != Behaviour::Truncate && sent < options_.reply.size())
        sendSome(connection, options_.reply.data() + sent, options_.reply.size() - sent);
    if (options_.behaviour == Behaviour::AnswerAndHold)
        held_.push_back(connection);
    else
        closeSocket(connection);
}

}  // namespace testing_support
