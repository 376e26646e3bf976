#include "platform/ProcessOutput.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/posix/SpawnArguments.h"

extern char** environ;

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// Reads `fd` until its end or the deadline; false when the deadline came first.
bool readUntilEnd(int fd, Clock::time_point deadline, std::string& output) {
    char piece[4096];
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd wanted{fd, POLLIN, 0};
        int ready = poll(&wanted, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        ssize_t n = read(fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return true;
        output.append(piece, static_cast<size_t>(n));
    }
}

// Whether the child ends by the deadline (it is reaped then); a program may close its output
// and go on running.
bool exitsBy(pid_t pid, Clock::time_point deadline) {
    for (;;) {
        pid_t done = waitpid(pid, nullptr, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) return true;
        if (Clock::now() >= deadline) return false;
        usleep(2000);
    }
}

}  // namespace

Result<std::string> runForOutput(const std::string& commandLine, std::chrono::milliseconds limit) {
    SpawnArguments arguments(commandLine);
    if (arguments.empty()) return Failure{"命令行为空"};

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return Failure{std::string("无法建立管道：") + strerror(errno)};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, arguments.program().c_str(), &actions, nullptr, arguments.argv(),
                          environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (rc != 0) {
        close(pipeEnds[0]);
        return Failure{arguments.program() + ": " + std::strerror(rc)};
    }
    std::string output;
    const Clock::time_point deadline = Clock::now() + limit;
    bool ended = readUntilEnd(pipeEnds[0], deadline, output) && exitsBy(pid, deadline);
    close(pipeEnds[0]);
    if (!ended) {
        kill(pid, SIGKILL);
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        return Failure{arguments.program() + " 在 " + std::to_string(limit.count()) +
                       " 毫秒内没有结束，已被终止"};
    }
    return output;
}

}  // namespace platform
