#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Result.h"

// The five servers of serverlist.ini: one line a place, name "|" address, in the code page.
namespace servers {

inline constexpr int kPlaceCount = 5;
// What a place shows, on both sides, until a server is added to it.
inline constexpr const char* kPlaceholder = "点击添加服务器";

struct ServerEntry {
    std::string name = kPlaceholder;
    std::string address = kPlaceholder;
    bool operator==(const ServerEntry&) const = default;
};

using ServerList = std::array<ServerEntry, kPlaceCount>;

// Lines to places. A missing line or one without "|" leaves its place at the placeholders.
// The address is what follows the last "|": addresses never hold one, so a name that does
// reads back as it was typed.
ServerList parseServerList(const std::vector<std::string>& lines);
std::vector<std::string> formatServerList(const ServerList& list);

// A missing or unreadable file gives five placeholder places.
ServerList loadServerList(const std::string& path);
// Creates the folder when needed; fails with the reason when the file could not be written
// (the old file then stays as it was).
platform::Result<> saveServerList(const std::string& path, const ServerList& list);

// Why a typed name or address cannot be stored (a Chinese message), or empty when it can.
// Line breaks would split the line, a "|" in the address would move it, and characters the
// code page lacks would come back as "?".
std::string entryProblem(const std::string& name, const std::string& address);

struct Endpoint {
    std::string host;
    int port = 0;
    bool operator==(const Endpoint&) const = default;
};

// "host:port" with a port of 1 to 65535 (leading zeros allowed, a further ":" and what
// follows it ignored); nullopt for anything else (the placeholder, no ":", an empty host, a
// port that is not such a number).
std::optional<Endpoint> parseAddress(const std::string& address);

}  // namespace servers
