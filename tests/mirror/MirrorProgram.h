#pragma once
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "GameJar.h"
#include "TempFolder.h"

// The vendrolupa-mirror program as its users run it.
namespace mirror_test {

// Runs the program with `arguments` and waits for it.
testing_support::ProgramResult runMirror(const std::vector<std::string>& arguments);

// `vendrolupa-mirror serve` of `tree` on a free 127.0.0.1 port, stopped when the object goes.
class ServedTree {
  public:
    explicit ServedTree(const std::string& tree);
    ~ServedTree();
    ServedTree(const ServedTree&) = delete;
    ServedTree& operator=(const ServedTree&) = delete;

    // Whether the server answers; `output()` tells why not.
    bool running() const { return running_; }
    uint16_t port() const { return port_; }
    // What the program printed so far (standard output and error).
    std::string output() const;
    // The services.ini lines it printed, in order.
    std::vector<std::string> servicesLines() const;

  private:
    testing_support::TempFolder scratch_{"serve"};
    uint16_t port_ = 0;
    pid_t pid_ = -1;
    bool running_ = false;
};

// The answers to `requests`, sent one after the other on one connection to 127.0.0.1:`port`;
// each answer whole (head and Content-Length body), fewer when the server ends the connection.
std::vector<std::string> answersOnOneConnection(uint16_t port,
                                                const std::vector<std::string>& requests);

}  // namespace mirror_test
