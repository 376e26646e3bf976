#include "platform/Log.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "platform/Clock.h"
#include "platform/Paths.h"

namespace platform {
namespace {

std::string localTime() {
    std::tm parts = localCalendarTime(std::chrono::system_clock::now());
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

}  // namespace

void Log::write(std::string_view line) const {
    if (path_.empty()) return;
    namespace fs = std::filesystem;
    const fs::path file = fromUtf8Path(path_);
    std::string entry = localTime() + " " + std::string(line) + "\r\n";
    std::error_code ec;
    std::uintmax_t size = fs::file_size(file, ec);
    if (!ec && size + entry.size() > kMaxBytes) {
        fs::path older = file;
        older += ".1";
        fs::remove(older, ec);  // rename does not replace a file on every system
        fs::rename(file, older, ec);
    }
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << entry;
}

}  // namespace platform
