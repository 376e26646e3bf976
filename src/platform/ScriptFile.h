#pragma once
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/Result.h"

// Scripts the launcher writes beside itself and runs detached: batch files on Windows,
// sh scripts elsewhere.
namespace platform {

// `text` in single quotes for sh: nothing inside is expanded; a quote becomes '\''.
std::string shellQuoted(const std::string& text);

// Writes the script's lines: a batch file in the code page with CR LF, an sh script in UTF-8
// (the shell reads file names as the file system's bytes) with LF. The old file stays whole
// when the write fails; the failure names the file and the system's reason.
Result<> writeScript(const std::string& path, const std::vector<std::string>& lines,
                     PathStyle style);

// The command line that runs the script at `scriptPath` through the system's interpreter,
// the path handed over as one argument.
std::string scriptCommandLine(const std::string& scriptPath, PathStyle style);

}  // namespace platform
