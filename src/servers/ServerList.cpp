#include "servers/ServerList.h"

#include <filesystem>

#include "platform/AsciiText.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace servers {

ServerList parseServerList(const std::vector<std::string>& lines) {
    ServerList list;
    for (size_t i = 0; i < list.size() && i < lines.size(); ++i) {
        size_t bar = lines[i].rfind('|');
        if (bar == std::string::npos) continue;
        list[i].name = lines[i].substr(0, bar);
        list[i].address = lines[i].substr(bar + 1);
    }
    return list;
}

std::vector<std::string> formatServerList(const ServerList& list) {
    std::vector<std::string> lines;
    for (const ServerEntry& entry : list)
        lines.push_back(entry.name + "|" + entry.address);
    return lines;
}

ServerList loadServerList(const std::string& path) {
    platform::Result<std::vector<std::string>> lines = platform::readTextLines(path);
    if (!lines) return ServerList{};
    return parseServerList(lines.value());
}

platform::Result<> saveServerList(const std::string& path, const ServerList& list) {
    std::error_code ignored;
    std::filesystem::create_directories(platform::fromUtf8Path(path).parent_path(), ignored);
    return platform::writeTextLines(path, formatServerList(list));
}

std::string entryProblem(const std::string& name, const std::string& address) {
    for (const std::string* text : {&name, &address}) {
        if (text->find_first_of("\r\n") != std::string::npos) return "服务器名字和地址不能换行。";
    }
    if (address.find('|') != std::string::npos) return "服务器地址不能包含“|”。";
    for (const std::string* text : {&name, &address}) {
        if (platform::fromCodePage(platform::toCodePage(*text)) != *text)
            return "服务器名字或地址含有无法保存的字符。";
    }
    return {};
}

std::optional<Endpoint> parseAddress(const std::string& address) {
    size_t colon = address.find(':');
    if (colon == std::string::npos) return std::nullopt;
    std::string host = platform::trimmed(address.substr(0, colon), " ");
    // The port is the second ":"-separated piece; anything after a further ":" is ignored.
    size_t portEnd = address.find(':', colon + 1);
    std::string port = platform::trimmed(address.substr(colon + 1, portEnd - colon - 1), " ");
    if (host.empty() || port.empty()) return std::nullopt;
    int number = 0;
    for (char c : port) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
        if (number > 65535) return std::nullopt;
    }
    if (number < 1 || number > 65535) return std::nullopt;
    return Endpoint{host, number};
}

}  // namespace servers
