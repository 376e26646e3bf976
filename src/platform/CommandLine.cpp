#include "platform/CommandLine.h"

namespace platform {

std::vector<std::string> splitWindowsCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    size_t i = 0;
    const size_t n = commandLine.size();
    while (i < n) {
        char c = commandLine[i];
        if (c == '\\') {
            size_t slashes = 0;
            while (i < n && commandLine[i] == '\\')
                ++slashes, ++i;
            if (i < n && commandLine[i] == '"') {
                word.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    word += '"';
                    ++i;
                }
            } else {
                word.append(slashes, '\\');
            }
            inWord = true;
            continue;
        }
        if (c == '"') {
            if (quoted && i + 1 < n && commandLine[i + 1] == '"') {
                word += '"';
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
            inWord = true;
            continue;
        }
        if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            ++i;
            continue;
        }
        word += c;
        inWord = true;
        ++i;
    }
    if (inWord) words.push_back(word);
    return words;
}

std::string commandLineQuoted(const std::string& argument) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: there they are doubled, and the quote escaped.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    // Before the closing quote, too.
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

std::string commandLineWord(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    return commandLineQuoted(argument);
}

}  // namespace platform
