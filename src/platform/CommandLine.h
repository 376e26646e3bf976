#pragma once
#include <string>
#include <vector>

namespace platform {

// Splits a command line into words by the rules Windows programs use for their argv:
// blanks and tabs separate words, double quotes group (and are removed), `\"` is a
// literal quote, 2n backslashes before a quote give n backslashes, `""` inside quotes is
// a literal quote. Nothing is expanded: `$(...)`, `;` and `|` are plain characters.
std::vector<std::string> splitWindowsCommandLine(const std::string& commandLine);

// One argument in double quotes, escaped so that splitWindowsCommandLine (and every Windows
// program) reads it back unchanged.
std::string commandLineQuoted(const std::string& argument);

// The argument as one word of a command line: as it is when it has no blank, tab or quote and
// is not empty (backslashes are plain there), else quoted as above.
std::string commandLineWord(const std::string& argument);

}  // namespace platform
