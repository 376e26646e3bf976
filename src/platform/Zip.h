#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

// Reading zip archives (natives jars) and extracting chosen entries safely.
namespace platform {

struct ZipEntry {
    std::string name;   // as stored, UTF-8
    std::string bytes;  // the whole uncompressed content
};

// More than this, summed over the entries read, is refused: a small archive can declare
// gigabytes (a "zip bomb"), and every entry is held in memory.
inline constexpr std::uint64_t kZipReadLimit = 256ull * 1024 * 1024;

// No "..", no leading "/" or "\\", no drive "C:", no backslash, no control characters, not empty.
bool zipEntryNameIsSafe(std::string_view name);

// Every file entry (folders skipped), read whole; reason on a missing, unreadable or damaged
// archive, an encrypted entry, or more than `limit` bytes of content.
Result<std::vector<ZipEntry>> readZip(const std::string& path, std::uint64_t limit = kZipReadLimit);

// Writes the entries for which `wanted(name)` holds under `folder` (sub-folders created), each
// through a temporary file and a rename. If any wanted entry's name is unsafe, nothing is written
// and the failure names the entry. Returns the paths written.
Result<std::vector<std::string>> extractZip(const std::string& zipPath, const std::string& folder,
                                            const std::function<bool(const std::string&)>& wanted);

}  // namespace platform
