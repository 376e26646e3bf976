#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

// Asset indexes as the launcher's text scans read them. The published ones are one line; the
// scans find keys only behind four blanks, so the mirror writes them two blanks per level:
// object names at four, their "hash" and "size" at six.
namespace mirror {

// `json` with the same members in the same order, two blanks per level, `": "` between a key
// and its value, and a final line break; fails on text that is not JSON.
platform::Result<std::string> reindented(std::string_view json);

// One index holding the objects of all `indexes` (each a JSON object with an "objects"
// member), re-indented. An object name met twice keeps its first entry; the other members
// (such as "virtual") come from the first index that has them.
platform::Result<std::string> mergedIndex(const std::vector<std::string>& indexes);

}  // namespace mirror
