#pragma once
#include <string>
#include <vector>

#include "platform/Paths.h"

// Full paths of the ordinary files in `folder` whose names match `pattern` ("*" any run,
// "?" one character, letters without regard to case, as Windows names match), then those of
// its sub-folders, recursively. Hidden files and folders whose names begin with "." are
// left out; each folder's files and sub-folders come in name order. Symbolic links to
// folders are not followed, so a link cycle cannot make the walk endless.
std::vector<std::string> FindFiles(std::string folder, const std::string& pattern,
                                   platform::PathStyle style);

// Whether `name` matches the wildcard `pattern`.
bool matchesPattern(const std::string& name, const std::string& pattern);
