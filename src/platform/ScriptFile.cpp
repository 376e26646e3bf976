#include "platform/ScriptFile.h"

#include "platform/TextFile.h"

namespace platform {

namespace {

// One argument quoted so that the Windows command-line rules give it back unchanged.
std::string commandLineQuoted(const std::string& text) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

}  // namespace

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

bool writeScript(const std::string& path, const std::vector<std::string>& lines, PathStyle style) {
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
