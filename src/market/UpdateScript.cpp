#include "market/UpdateScript.h"

#include "platform/ScriptFile.h"

namespace market {

std::string updateScriptName(platform::PathStyle style) {
    return style == platform::PathStyle::windows() ? "upd.bat" : "upd.sh";
}

std::vector<std::string> updateBatchLines(const std::string& baseName,
                                          const std::string& downloadedName) {
    const std::string exe = baseName + ".exe";
    const std::string kill = "taskkill /f /im " + exe;
    return {kill,
            "",
            kill,
            "",
            kill,
            "",
            "del " + exe,
            "",
            "ren " + downloadedName + " " + exe,
            "",
            "start " + exe,
            "",
            "del %0"};
}

std::vector<std::string> updateShellLines(const std::string& executablePath,
                                          const std::string& downloadedPath,
                                          const std::string& launcherFolder) {
    using platform::shellQuoted;
    return {
        "#!/bin/sh",
        "exe=" + shellQuoted(executablePath),
        "for proc in /proc/[0-9]*; do",
        "  if [ \"$(readlink \"$proc/exe\" 2>/dev/null)\" = \"$exe\" ]; then",
        "    kill -9 \"${proc#/proc/}\" 2>/dev/null",
        "  fi",
        "done",
        "rm -f -- \"$exe\"",
        "mv -f -- " + shellQuoted(downloadedPath) + " \"$exe\"",
        "chmod +x -- \"$exe\"",
        "cd " + shellQuoted(launcherFolder) + " && \"$exe\" </dev/null >/dev/null 2>&1 &",
        "rm -f -- \"$0\"",
    };
}

}  // namespace market
