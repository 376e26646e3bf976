#pragma once
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

// Whole text files in the system code page with CR LF line ends.
namespace platform {

// The whole file decoded to UTF-8, line ends as they are (for readers with their own line
// rule). The failure is marked missing when there is no file, and names the cause otherwise.
Result<std::string> readText(const std::string& path);

// The lines of a file, decoded to UTF-8, without their CR LF (a lone LF also ends a line).
// Fails like readText.
Result<std::vector<std::string>> readTextLines(const std::string& path);

// The lines of text already decoded, split as readTextLines splits a file.
std::vector<std::string> splitTextLines(const std::string& text);

// Writes every line followed by CR LF, encoded in the code page. The text goes to a
// temporary file in the same folder first and is renamed over `path`, so a failure
// never leaves a half-written file. The failure names the file and the system's reason.
Result<> writeTextLines(const std::string& path, const std::vector<std::string>& lines);

// Writes raw bytes the same way (temporary file, then rename).
Result<> writeFileAtomically(const std::string& path, const std::string& bytes);

// The whole file as bytes; fails like readText.
Result<std::string> readFileBytes(const std::string& path);

// Hands the file at `path` to `take` piece by piece; fails like readText.
Result<> readInPieces(const std::string& path, const std::function<void(std::string_view)>& take);

// `path` opened for writing bytes, created or emptied (fopen's "wb" with the path's own
// characters on every system); nullptr with errno set when it cannot be opened.
std::FILE* openForWriting(const std::filesystem::path& path);

}  // namespace platform
