#pragma once
#include <string>
#include <vector>

#include "platform/Paths.h"

// The script that replaces the launcher's executable with a downloaded new one after the
// launcher has ended: it ends every running instance, removes the old executable, puts the
// new file in its place, starts it and removes itself, in this order.
namespace market {

// upd.bat (Windows) or upd.sh (POSIX).
std::string updateScriptName(platform::PathStyle style);

// The batch file's lines for the executable `baseName` (its name without ".exe") and the
// downloaded file `downloadedName`, both in the launcher's folder, where the batch runs.
// Every command is followed by an empty line, the last one excepted.
std::vector<std::string> updateBatchLines(const std::string& baseName,
                                          const std::string& downloadedName);

// The sh script's lines. Running instances are the processes whose executable is
// `executablePath` (found through /proc), never a bare name; every path is quoted.
std::vector<std::string> updateShellLines(const std::string& executablePath,
                                          const std::string& downloadedPath,
                                          const std::string& launcherFolder);

}  // namespace market
