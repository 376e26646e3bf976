#pragma once
#include <string>

#include "platform/Result.h"

namespace platform {

enum class WindowStyle { Hidden, Normal, Minimized, MinimizedNoFocus };

// Starts a program from one command line without waiting for it (a test seam).
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // The failure says what went wrong, for a message to the user. An empty
    // `workingFolder` keeps the launcher's own working folder.
    virtual Result<> start(const std::string& commandLine, WindowStyle style,
                           const std::string& workingFolder) = 0;
};

// The real one: CreateProcessW on Windows; on POSIX the command line is split by the
// Windows rules and run with posix_spawn, detached, never through a shell.
class SystemProcessStarter final : public ProcessStarter {
  public:
    Result<> start(const std::string& commandLine, WindowStyle style,
                   const std::string& workingFolder) override;
};

}  // namespace platform
