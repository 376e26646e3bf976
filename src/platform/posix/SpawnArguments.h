#pragma once
#include <string>
#include <vector>

#include "platform/CommandLine.h"

namespace platform {

// A command line split by the Windows rules, as the argument vector posix_spawn takes. The
// vector points into the words, so the object is neither copied nor moved.
class SpawnArguments {
  public:
    explicit SpawnArguments(const std::string& commandLine)
        : words_(splitWindowsCommandLine(commandLine)) {
        for (std::string& word : words_)
            argv_.push_back(word.data());
        argv_.push_back(nullptr);
    }
    SpawnArguments(const SpawnArguments&) = delete;
    SpawnArguments& operator=(const SpawnArguments&) = delete;

    bool empty() const { return words_.empty(); }
    const std::string& program() const { return words_.front(); }
    char* const* argv() { return argv_.data(); }

  private:
    std::vector<std::string> words_;
    std::vector<char*> argv_;
};

}  // namespace platform
