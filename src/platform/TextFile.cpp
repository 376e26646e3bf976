#include "platform/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "platform/CodePage.h"
#include "platform/Paths.h"

namespace platform {

std::optional<std::string> readFileBytes(const std::string& path) {
    std::ifstream in(fromUtf8Path(path), std::ios::binary);
    if (!in) return std::nullopt;
    // A folder opens like a file but fails on the first read, by throwing from the
    // stream buffer (EISDIR); any read error means the file cannot be read.
    try {
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) return std::nullopt;
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> readText(const std::string& path) {
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    return fromCodePage(*bytes);
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
    std::optional<std::string> decoded = readText(path);
    if (!decoded) return std::nullopt;
    const std::string& text = *decoded;
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
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

namespace {

Failure cannotWrite(const std::string& path, const std::string& why) {
    return Failure{"无法写入文件“" + path + "”：" + why};
}

}  // namespace

Result<> writeFileAtomically(const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    fs::path target = fromUtf8Path(path);
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(std::random_device{}());
    std::FILE* file = openForWriting(temporary);
    if (!file) return cannotWrite(path, std::strerror(errno));
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) error = errno;
    if (std::fflush(file) != 0 && error == 0) error = errno;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    std::error_code ec;
    if (error != 0) {
        fs::remove(temporary, ec);
        return cannotWrite(path, std::strerror(error));
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        std::string why = ec.message();
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
