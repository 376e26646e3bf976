#include "platform/FileList.h"

#include <algorithm>
#include <filesystem>

#include "platform/AsciiText.h"
#include "platform/Paths.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {
namespace {

namespace fs = std::filesystem;

bool isHidden(const fs::directory_entry& entry) {
#ifdef _WIN32
    DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN);
#else
    return toUtf8Path(entry.path().filename()).starts_with(".");
#endif
}

template <typename Keep>
std::vector<std::string> listEntries(const std::string& folder, Keep keep) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(fromUtf8Path(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (!isHidden(*it) && keep(*it)) names.push_back(toUtf8Path(it->path().filename()));
    }
    return names;
}

}  // namespace

std::vector<std::string> listFiles(const std::string& folder,
                                   const std::vector<std::string>& extensions) {
    auto names = listEntries(folder, [&](const fs::directory_entry& entry) {
        std::error_code ec;
        if (!entry.is_regular_file(ec)) return false;
        if (extensions.empty()) return true;
        std::string extension = lowerAscii(toUtf8Path(entry.path().extension()));
        return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
    });
    std::sort(names.begin(), names.end());
    return names;
}

bool isExistingFile(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    fs::file_status status = fs::status(fromUtf8Path(path), ec);
    return fs::exists(status) && !fs::is_directory(status);
}

std::vector<std::string> listSubFolders(const std::string& folder) {
    return listEntries(folder, [](const fs::directory_entry& entry) {
        std::error_code ec;
        return entry.is_directory(ec);
    });
}

}  // namespace platform
