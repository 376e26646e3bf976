#pragma once
#include <string>
#include <vector>

namespace platform {

// Names of the ordinary files in `folder` (no folders, no hidden files: on POSIX a name
// starting with "."), sorted by name. With `extensions` (lower case, with the dot, e.g.
// ".jpg") only files whose extension matches without regard to case. Empty on failure.
std::vector<std::string> listFiles(const std::string& folder,
                                   const std::vector<std::string>& extensions = {});

// Whether `path` names something that exists and is not a folder.
bool isExistingFile(const std::string& path);

// Names of the sub-folders of `folder` in the order the file system gives them, hidden
// ones left out. Empty on failure.
std::vector<std::string> listSubFolders(const std::string& folder);

}  // namespace platform
