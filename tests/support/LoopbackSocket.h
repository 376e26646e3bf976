#pragma once
#include <cstddef>
#include <cstdint>

// TCP sockets on 127.0.0.1 for the test servers: the same calls over POSIX sockets and Winsock.
namespace testing_support {

// A listening socket on 127.0.0.1:`port` (0: any free port, written back); throws when it
// cannot listen.
int listenOnLoopback(uint16_t& port);

// The accepted connection, or -1.
int acceptConnection(int listener);

// A connection to 127.0.0.1:`port`, or -1 when none can be made (nobody listens there).
int connectToLoopback(uint16_t port);

// Whether `socket` has something to read (or has ended) within `milliseconds`.
bool waitReadable(int socket, int milliseconds);

// Bytes read into `buffer`; 0 or less when the peer ended or on an error.
long receiveSome(int socket, char* buffer, size_t size);

// Bytes sent; 0 or less on an error (a closed peer raises no signal).
long sendSome(int socket, const char* data, size_t size);

void setNoDelay(int socket);

// Ends the connection with a reset instead of an orderly close.
void closeWithReset(int socket);

void closeSocket(int socket);

}  // namespace testing_support
