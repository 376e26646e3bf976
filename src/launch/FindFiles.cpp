#include "launch/FindFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/FileList.h"

namespace {

bool sameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool isLinkedFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_symlink(platform::fromUtf8Path(path), ec);
}

}  // namespace

bool matchesPattern(const std::string& name, const std::string& pattern) {
    // Greedy matching with one back-track point: the last "*" seen.
    size_t n = 0, p = 0, starAt = std::string::npos, resumeAt = 0;
    while (n < name.size()) {
        // The pattern's "*" comes first: a "*" in the name is only a letter.
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || sameLetter(pattern[p], name[n]))) {
            ++n, ++p;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> FindFiles(std::string folder, const std::string& pattern,
                                   platform::PathStyle style) {
    if (folder.empty() || folder.back() != style.separator) folder += style.separator;
    std::vector<std::string> found;
    for (const std::string& name : platform::listFiles(folder)) {
        if (matchesPattern(name, pattern)) found.push_back(folder + name);
    }
    std::vector<std::string> subFolders = platform::listSubFolders(folder);
    std::sort(subFolders.begin(), subFolders.end());
    for (const std::string& name : subFolders) {
        if (name.starts_with(".") || isLinkedFolder(folder + name)) continue;
        std::vector<std::string> inner = FindFiles(folder + name + style.separator, pattern, style);
        found.insert(found.end(), inner.begin(), inner.end());
    }
    return found;
}
