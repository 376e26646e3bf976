#pragma once
#include <string>

#include "platform/Result.h"

// Files the mirror writes itself rather than downloads. Each appears whole under its name
// (a temporary name in the same folder, then a rename), parent folders created first.
namespace mirror {

// Writes `bytes` to `path` unless the file already holds exactly them.
platform::Result<void> writeTreeFile(const std::string& path, const std::string& bytes);

// Puts the file `from` at `to` as a hard link, or a copy where the file system allows no link;
// nothing happens when `to` already has the SHA-1 `sha1`.
platform::Result<void> placeFile(const std::string& from, const std::string& to,
                                 const std::string& sha1);

}  // namespace mirror
