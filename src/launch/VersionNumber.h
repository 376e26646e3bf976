#pragma once
#include <optional>
#include <string>
#include <string_view>

// The number V that picks an argument layout: the leading decimal number of the id after
// its first "." (of the whole id when it has none); "1.7.10" gives 7.1, "14w02a" 14, and an
// id without a leading number 0. Only plain decimal prefixes count.
double versionNumber(std::string_view versionId);

// Exactly six characters with a lower-case "w" third, as "14w02a".
bool isSnapshotShaped(std::string_view versionId);

// The main class named behind `"mainClass": "` in a version text; nullopt when the marker,
// its closing quote or the name itself is missing.
std::optional<std::string> findMainClass(std::string_view versionText);
