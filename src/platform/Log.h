#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The launcher's log file, which users attach when they report a problem: UTF-8 lines,
// appended, each behind the local time. A line that would take the file past kMaxBytes first
// moves it to "<path>.1", replacing the older one. A Log made without a path writes nothing.
// Callers never hand it a password or an access token.
class Log {
  public:
    static constexpr std::uintmax_t kMaxBytes = 1024 * 1024;

    Log() = default;
    explicit Log(std::string path) : path_(std::move(path)) {}

    // Failures are ignored (a missing folder included): logging never stops the launcher.
    void write(std::string_view line) const;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace platform
