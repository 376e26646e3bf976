#pragma once
#include <string>
#include <vector>

#include "platform/Result.h"

namespace mirror {

struct FolderCopy {
    size_t versions = 0;
    size_t libraries = 0;
    size_t natives = 0;
    size_t objects = 0;
    size_t resources = 0;
    // What was left out and why, one line each.
    std::vector<std::string> skipped;
};

// The mirror tree at `out` built from an installed game folder, offline: `game` is a
// `.minecraft` folder or the launcher folder that holds one. Versions with both their JSON and
// jar, every library, the native libraries of both tables found in the native folder, the
// asset indexes of the versions held (their own, or the ones a launcher on the mirror saved),
// every object whose content matches its name, and the legacy resources those indexes name.
// Damaged or unsafe files are left out and listed; the catalogue is written last.
platform::Result<FolderCopy> treeFromGameFolder(const std::string& game, const std::string& out);

}  // namespace mirror
