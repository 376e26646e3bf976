#include "download/TempFile.h"

#include <filesystem>

#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace download {

bool TempFile::open(const std::string& path) {
    close();
    failed_ = false;
    file_ = platform::openForWriting(platform::fromUtf8Path(path));
    // Each batch goes out in one write; batches are large, a buffer would only split them.
    if (file_) std::setvbuf(file_, nullptr, _IONBF, 0);
    return file_ != nullptr;
}

bool TempFile::append(const char* data, size_t size) {
    if (!file_ || failed_) return false;
    if (std::fwrite(data, 1, size, file_) != size) {
        failed_ = true;
        return false;
    }
    return true;
}

bool TempFile::close() {
    if (!file_) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

void removeIfExists(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(platform::fromUtf8Path(path), ec);
}

bool replaceFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    std::filesystem::rename(platform::fromUtf8Path(from), platform::fromUtf8Path(to), ec);
    return !ec;
}

}  // namespace download
