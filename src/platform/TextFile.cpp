#include "platform/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/CodePage.h"
#include "platform/FileFailure.h"
#include "platform/Paths.h"

namespace platform {

namespace {

enum class Access { Read, Write };

// fopen in binary mode with the path's own characters on every system.
std::FILE* openBytes(const std::filesystem::path& path, Access access) {
#ifdef _WIN32
    return _wfopen(path.c_str(), access == Access::Write ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), access == Access::Write ? "wb" : "rb");
#endif
}

Failure cannotWrite(const std::string& path, const std::string& why) {
    return Failure{"无法写入文件“" + path + "”：" + why};
}

}  // namespace

Result<> readInPieces(const std::string& path, const std::function<void(std::string_view)>& take) {
    std::FILE* file = openBytes(fromUtf8Path(path), Access::Read);
    if (!file) return readFailure(path, errno);
    std::vector<char> piece(1 << 16);
    size_t got = 0;
    while ((got = std::fread(piece.data(), 1, piece.size(), file)) > 0)
        take(std::string_view(piece.data(), got));
    // A folder opens like a file on POSIX and fails on the first read.
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error != 0) return readFailure(path, error);
    return {};
}

Result<std::string> readFileBytes(const std::string& path) {
    std::string bytes;
    Result<> read = readInPieces(path, [&](std::string_view piece) { bytes += piece; });
    if (!read) return read.failure();
    return bytes;
}

Result<std::string> readText(const std::string& path) {
    Result<std::string> bytes = readFileBytes(path);
    if (!bytes) return bytes.failure();
    return fromCodePage(bytes.value());
}

Result<std::vector<std::string>> readTextLines(const std::string& path) {
    Result<std::string> decoded = readText(path);
    if (!decoded) return decoded.failure();
    return splitTextLines(decoded.value());
}

std::vector<std::string> splitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t lineEnd = end > start && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(text.substr(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

std::FILE* openForWriting(const std::filesystem::path& path) {
    return openBytes(path, Access::Write);
}

Result<> writeFileAtomically(const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    fs::path target = fromUtf8Path(path);
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(std::random_device{}());
    std::FILE* file = openForWriting(temporary);
    if (!file) return cannotWrite(path, systemReason(errno));
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) error = errno;
    if (std::fflush(file) != 0 && error == 0) error = errno;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    std::error_code ec;
    if (error != 0) {
        fs::remove(temporary, ec);
        return cannotWrite(path, systemReason(error));
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        std::string why = systemReason(ec);
        fs::remove(temporary, ec);
        return cannotWrite(path, why);
    }
    return {};
}

Result<> writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return writeFileAtomically(path, toCodePage(text));
}

}  // namespace platform
