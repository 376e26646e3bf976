#include "MirrorProgram.h"

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "LoopbackHttpServer.h"
#include "LoopbackSocket.h"

namespace mirror_test {
namespace {

// The length of the first whole answer in `bytes`, or 0 while it is incomplete.
size_t wholeAnswer(const std::string& bytes) {
    size_t headEnd = bytes.find("\r\n\r\n");
    if (headEnd == std::string::npos) return 0;
    size_t length = 0;
    size_t field = bytes.find("Content-Length: ");
    if (field != std::string::npos && field < headEnd)
        length = std::stoul(bytes.substr(field + 16, bytes.find("\r\n", field) - field - 16));
    size_t total = headEnd + 4 + length;
    return bytes.size() >= total ? total : 0;
}

}  // namespace

testing_support::ProgramResult runMirror(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {VENDROLUPA_MIRROR_PROGRAM};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return testing_support::runProgram(words);
}

ServedTree::ServedTree(const std::string& tree) {
    port_ = testing_support::unusedLoopbackPort();
    std::string output = scratch_.file("output.txt");
    std::vector<std::string> words = {
        VENDROLUPA_MIRROR_PROGRAM, "serve",    "--tree",    tree,     "--port",
        std::to_string(port_),     "--listen", "127.0.0.1", "--host", "127.0.0.1"};
    pid_ = testing_support::startProgram(words, output);
    if (pid_ < 0) return;
    for (int i = 0; i < 200 && !running_; ++i) {
        int fd = testing_support::connectToLoopback(port_);
        if (fd >= 0) {
            testing_support::closeSocket(fd);
            running_ = true;
        } else if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    }
}

ServedTree::~ServedTree() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}

std::string ServedTree::output() const {
    return testing_support::readAll(scratch_.path() + "/output.txt");
}

std::vector<std::string> ServedTree::servicesLines() const {
    std::vector<std::string> lines;
    std::istringstream text(output());
    for (std::string line; std::getline(text, line);)
        if (line.find('=') != std::string::npos && line.find(' ') == std::string::npos)
            lines.push_back(line);
    return lines;
}

std::vector<std::string> answersOnOneConnection(uint16_t port,
                                                const std::vector<std::string>& requests) {
    std::vector<std::string> answers;
    int fd = testing_support::connectToLoopback(port);
    if (fd < 0) return answers;
    std::string pending;
    char buffer[65536];
    for (const std::string& request : requests) {
        if (testing_support::sendSome(fd, request.data(), request.size()) <= 0) break;
        size_t length = 0;
        // Bounded: each wait ends after 5 s without bytes.
        while ((length = wholeAnswer(pending)) == 0 && testing_support::waitReadable(fd, 5000)) {
            long got = testing_support::receiveSome(fd, buffer, sizeof buffer);
            if (got <= 0) break;
            pending.append(buffer, static_cast<size_t>(got));
        }
        if (length == 0) break;
        answers.push_back(pending.substr(0, length));
        pending.erase(0, length);
    }
    testing_support::closeSocket(fd);
    return answers;
}

}  // namespace mirror_test
