#include "market/ModCatalogue.h"

#include "platform/AsciiText.h"

namespace market {

std::optional<std::string> cutModList(std::string_view page) {
    size_t begin = page.find(kModListBegin);
    size_t end = page.find(kModListEnd);
    if (begin == std::string_view::npos || end == std::string_view::npos) return std::nullopt;
    begin += kModListBegin.size();
    if (end < begin) return std::nullopt;
    std::string list(page.substr(begin, end - begin));
    list = platform::replacedAll(list, "</p>", "");
    list = platform::replacedAll(list, "<p>", "");
    return platform::replacedAll(list, "<br />", "");
}

std::vector<std::string> catalogueLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::vector<ModEntry> modsOfVersion(const std::vector<std::string>& lines,
                                    std::string_view version) {
    const std::string header = "[" + std::string(version) + "]";
    std::vector<ModEntry> mods;
    bool inSection = false;
    for (const std::string& line : lines) {
        std::vector<std::string> parts = platform::splitAt(line, '|');
        if (line == header) {
            inSection = true;
        } else if (parts.size() == 3 && inSection) {
            mods.push_back({parts[0], parts[1] + "|" + parts[2]});
        } else if (line.find('[') != std::string::npos) {
            inSection = false;
        }
    }
    return mods;
}

std::optional<ModDetails> splitModDetails(std::string_view details) {
    size_t bar = details.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    return ModDetails{std::string(details.substr(0, bar)), std::string(details.substr(bar + 1))};
}

}  // namespace market
