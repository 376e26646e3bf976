#pragma once
#include <optional>
#include <string>
#include <string_view>

// Two readings of the number behind a version id's first "." (of the whole id when it has
// none); both give 7.1 for "1.7.10", 14 for "14w02a" and 0 for an id without a leading number.
// They differ on blanks and signs ("1. 8", "1.-2"), so each keeps the reading its caller was
// written against.

// The launch's number V that picks an argument layout: read as a real number, so blanks and one
// sign in front count ("1. 8" gives 8, "1.-2" gives -2).
double versionNumber(std::string_view versionId);

// The asset installer's minor number: digits with at most one decimal point and nothing in
// front ("1. 8" and "1.-2" give 0).
double minorNumberValue(std::string_view versionId);

// Exactly six characters with a lower-case "w" third, as "14w02a". Characters as the version
// list shows them: a byte that begins no whole UTF-8 sequence is one character of its own.
bool isSnapshotShaped(std::string_view versionId);

// The main class named behind `"mainClass": "` in a version text; nullopt when the marker,
// its closing quote or the name itself is missing.
std::optional<std::string> findMainClass(std::string_view versionText);
