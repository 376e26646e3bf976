#include "market/ParallelDownloads.h"

#include "platform/AsciiText.h"
#include "platform/TextFile.h"

namespace market {

namespace {

constexpr std::string_view kKey = "parallel=";

}  // namespace

size_t loadParallelDownloads(const std::string& path) {
    auto lines = platform::readTextLines(path);
    if (!lines) return 1;
    for (const std::string& line : *lines) {
        const std::string text = platform::trimmed(line);
        if (text.rfind(kKey, 0) != 0) continue;
        const std::string value = text.substr(kKey.size());
        for (size_t choice : kParallelChoices) {
            if (value == std::to_string(choice)) return choice;
        }
    }
    return 1;
}

platform::Result<> saveParallelDownloads(const std::string& path, size_t downloads) {
    return platform::writeTextLines(path, {std::string(kKey) + std::to_string(downloads)});
}

}  // namespace market
