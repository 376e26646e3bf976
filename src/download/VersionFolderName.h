#pragma once
#include <string>
#include <string_view>

namespace download {

// Why `name` cannot name a folder of the versions folder, or empty when it can. One rule for
// names the player types and ids a catalogue sends: a plain file name on every system (see
// plainFileName: no separator, no device name such as CON, no final dot or blank, no control
// character), without ".." anywhere (a later join with a separator would climb out) and
// without "%" (the migration script is a batch file, where "%" expands variables).
std::string versionFolderNameProblem(std::string_view name);

inline bool isVersionFolderName(std::string_view name) {
    return versionFolderNameProblem(name).empty();
}

}  // namespace download
