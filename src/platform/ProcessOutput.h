#pragma once
#include <chrono>
#include <string>

#include "platform/Result.h"

namespace platform {

// Runs the program of `commandLine` (split by the Windows rules, never through a shell), without
// a window, and returns what it wrote to its standard output and error together once it ended.
// A program still running after `limit` is ended and reported as a failure, so a hanging
// program never holds the launcher.
Result<std::string> runForOutput(const std::string& commandLine, std::chrono::milliseconds limit);

}  // namespace platform
