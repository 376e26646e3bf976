#include "download/TempFile.h"

#include <cerrno>
#include <filesystem>

#include "platform/FileFailure.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace download {

platform::Result<> TempFile::open(const std::string& path) {
    static_cast<void>(close());
    failure_.clear();
    path_ = path;
    file_ = platform::openForWriting(platform::fromUtf8Path(path));
    if (!file_)
        return platform::Failure{"无法创建临时文件“" + path + "”：" +
                                 platform::systemReason(errno)};
    // Each batch goes out in one write; batches are large, a buffer would only split them.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return {};
}

platform::Failure TempFile::writeFailure(int error) {
    if (failure_.empty())
        failure_ = "写入临时文件“" + path_ + "”失败：" + platform::systemReason(error);
    return platform::Failure{failure_};
}

platform::Result<> TempFile::append(const char* data, size_t size) {
    if (!failure_.empty()) return platform::Failure{failure_};
    if (!file_) return platform::Failure{"临时文件未打开"};
    if (std::fwrite(data, 1, size, file_) != size) return writeFailure(errno);
    return {};
}

platform::Result<> TempFile::close() {
    if (file_) {
        if (std::fclose(file_) != 0) static_cast<void>(writeFailure(errno));
        file_ = nullptr;
    }
    if (!failure_.empty()) return platform::Failure{failure_};
    return {};
}

void removeIfExists(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(platform::fromUtf8Path(path), ec);
}

platform::Result<> replaceFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    std::filesystem::rename(platform::fromUtf8Path(from), platform::fromUtf8Path(to), ec);
    if (ec) return platform::Failure{"无法写入文件“" + to + "”：" + platform::systemReason(ec)};
    return {};
}

}  // namespace download
