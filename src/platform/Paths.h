#pragma once
#include <filesystem>
#include <string>

namespace platform {

// How paths and class paths are written: Windows (`\` and `;`) or POSIX (`/` and `:`).
// Pure text functions take it as a value so both forms can be tested anywhere.
struct PathStyle {
    char separator;
    char classPathSeparator;

    static constexpr PathStyle windows() { return {'\\', ';'}; }
    static constexpr PathStyle posix() { return {'/', ':'}; }
    // The style of the system the program runs on.
    static constexpr PathStyle native() {
#ifdef _WIN32
        return windows();
#else
        return posix();
#endif
    }
    bool operator==(const PathStyle&) const = default;
};

// UTF-8 text to a filesystem path and back, the same on every system.
std::filesystem::path fromUtf8Path(const std::string& utf8);
std::string toUtf8Path(const std::filesystem::path& path);

// The folder that holds the running executable, without a trailing separator.
std::string executableFolder();

// The full path of the running executable; empty when the system does not tell.
std::string executablePath();

}  // namespace platform
