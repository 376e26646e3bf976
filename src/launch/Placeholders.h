#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The values of the "${name}" placeholders of a version's argument lists, by name.
using PlaceholderTable = std::map<std::string, std::string, std::less<>>;

// The identifier a game derives for a player who has not signed in: the name-based UUID
// (version 3) of "OfflinePlayer:" + name, as 32 lower-case hexadecimal digits.
std::string offlinePlayerUuid(const std::string& playerName);

// `text` with every "${name}" the table knows replaced by its value; other placeholders stay as
// written. Values are inserted as they are, never searched for placeholders themselves.
std::string fillPlaceholders(std::string_view text, const PlaceholderTable& table);

// The arguments of one list with their placeholders filled. An argument holding a placeholder
// that has no value ("${clientid}", "${auth_xuid}") is dropped, and with it the option right
// before it in the list when that one starts with "-".
std::vector<std::string> fillArgumentList(const std::vector<std::string>& arguments,
                                          const PlaceholderTable& table);
