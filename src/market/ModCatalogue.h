#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text rules of the mod catalogue that the update server publishes inside its start page.
namespace market {

inline constexpr std::string_view kModListBegin = "-MODLISTBEGIN";
inline constexpr std::string_view kModListEnd = "-MODLISTEND";

// The catalogue cut out of the page, between the first begin marker and the first end marker,
// with every "</p>", then every "<p>", then every "<br />" removed. nullopt when a marker is
// missing or the end marker comes before the end of the begin marker.
std::optional<std::string> cutModList(std::string_view page);

// The catalogue's lines: a line ends at CR LF or at a lone CR; a lone LF stays inside its
// line. An end at the very end of the text opens no further line.
std::vector<std::string> catalogueLines(std::string_view text);

// One mod of a version: its name (shown in the list) and its URL and description joined by
// "|" (kept beside the list).
struct ModEntry {
    std::string name;
    std::string details;
};

// The mods listed in the sections "[" + version + "]" of `lines`, in file order. A line of
// exactly three "|"-separated fields inside a section is a mod; any other line holding "["
// ends the section.
std::vector<ModEntry> modsOfVersion(const std::vector<std::string>& lines,
                                    std::string_view version);

struct ModDetails {
    std::string url;
    std::string description;
};

// The URL and description of a mod's details; nullopt without the "|".
std::optional<ModDetails> splitModDetails(std::string_view details);

}  // namespace market
