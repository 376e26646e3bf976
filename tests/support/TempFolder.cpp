#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/Paths.h"

namespace testing_support {

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& nameHint) {
    std::random_device seed;
    fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = base / platform::fromUtf8Path(nameHint + "-" + std::to_string(seed()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = platform::toUtf8Path(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(platform::fromUtf8Path(path_), ec);
}

std::string TempFolder::file(const std::string& relative) const {
    std::string full = path_ + "/" + relative;
    std::error_code ec;
    fs::create_directories(platform::fromUtf8Path(full).parent_path(), ec);
    return full;
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const {
    std::string full = file(relative);
    std::ofstream(platform::fromUtf8Path(full), std::ios::binary) << bytes;
    return full;
}

std::string TempFolder::makeFolder(const std::string& relative) const {
    std::string full = path_ + "/" + relative;
    fs::create_directories(platform::fromUtf8Path(full));
    return full;
}

std::string readAll(const std::string& path) {
    std::ifstream in(platform::fromUtf8Path(path), std::ios::binary);
    if (!in) return "<missing>";
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(platform::fromUtf8Path(path), ec);
}

}  // namespace testing_support
