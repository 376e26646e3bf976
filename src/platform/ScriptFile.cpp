#include "platform/ScriptFile.h"

#include "platform/CommandLine.h"
#include "platform/TextFile.h"

namespace platform {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

Result<> writeScript(const std::string& path, const std::vector<std::string>& lines,
                     PathStyle style) {
    if (style == PathStyle::windows()) return writeTextLines(path, lines);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return writeFileAtomically(path, text);
}

std::string scriptCommandLine(const std::string& scriptPath, PathStyle style) {
    // CreateProcess runs batch files only through the command interpreter.
    if (style == PathStyle::windows()) return "cmd.exe /c \"" + scriptPath + "\"";
    return "/bin/sh " + commandLineQuoted(scriptPath);
}

}  // namespace platform
