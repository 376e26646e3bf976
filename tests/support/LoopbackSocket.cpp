#include "LoopbackSocket.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <stdexcept>

namespace testing_support {
namespace {

#ifdef _WIN32
constexpr int kNoSignal = 0;
int pollOne(pollfd* entry, int milliseconds) {
    return ::WSAPoll(entry, 1, milliseconds);
}
int openSocket() {
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started ? static_cast<int>(::socket(AF_INET, SOCK_STREAM, 0)) : -1;
}
#else
constexpr int kNoSignal = MSG_NOSIGNAL;
int pollOne(pollfd* entry, int milliseconds) {
    return ::poll(entry, 1, milliseconds);
}
int openSocket() {
    return ::socket(AF_INET, SOCK_STREAM, 0);
}
#endif

template <typename T>
void setOption(int socket, int level, int name, const T& value) {
    ::setsockopt(socket, level, name, reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

int listenOnLoopback(uint16_t& port) {
    int fd = openSocket();
    if (fd < 0) throw std::runtime_error("socket failed");
    setOption(fd, SOL_SOCKET, SO_REUSEADDR, 1);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 64) != 0) {
        closeSocket(fd);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

int acceptConnection(int listener) {
    return static_cast<int>(::accept(listener, nullptr, nullptr));
}

int connectToLoopback(uint16_t port) {
    int fd = openSocket();
    if (fd < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    closeSocket(fd);
    return -1;
}

bool waitReadable(int socket, int milliseconds) {
    pollfd entry{};
    entry.fd = socket;
    entry.events = POLLIN;
    return pollOne(&entry, milliseconds) > 0;
}

long receiveSome(int socket, char* buffer, size_t size) {
    return ::recv(socket, buffer, static_cast<int>(size), 0);
}

long sendSome(int socket, const char* data, size_t size) {
    return ::send(socket, data, static_cast<int>(size), kNoSignal);
}

void setNoDelay(int socket) {
    setOption(socket, IPPROTO_TCP, TCP_NODELAY, 1);
}

void closeWithReset(int socket) {
    linger hard{};
    hard.l_onoff = 1;
    setOption(socket, SOL_SOCKET, SO_LINGER, hard);
    closeSocket(socket);
}

void closeSocket(int socket) {
#ifdef _WIN32
    ::closesocket(socket);
#else
    ::close(socket);
#endif
}

}  // namespace testing_support
