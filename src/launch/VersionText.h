#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

// A version JSON is never parsed into a tree: its lines are joined into one text that is
// searched for fixed markers. Positions here are 0-based byte offsets into UTF-8 text.

// CR LF in front of every line: the text begins with CR LF and all breaks are CR LF.
std::string makeVersionText(const std::vector<std::string>& lines);

// The version text of the JSON file at `jsonPath` (code page text), or why it cannot be read.
platform::Result<std::string> readVersionText(const std::string& jsonPath);

// The version text of a JSON file's bytes already read.
std::string versionTextOfBytes(const std::string& bytes);

// One library object of the version text, as views into it: `entry` runs from the first
// character of the name's value up to the object end "}," (or the array end "],");
// `coordinate` is the entry up to its first double quote and always holds a ":";
// `nativeClassifier` is the text behind `"windows": "` in the entry up to the next double
// quote (or the entry end), with its "${arch}" left as it is, when the entry has one.
struct Library {
    std::string_view entry;
    std::string_view coordinate;
    std::optional<std::string_view> nativeClassifier;
    bool operator==(const Library&) const = default;
};

// Every library object, once per occurrence, in text order. Only `"name": ` followed by a
// value with a ":" counts; rules blocks and other keys are not interpreted. An object with
// neither "}," nor "]," after its name takes the rest of the text as its entry. Time and
// memory grow linearly with the text, however the objects overlap.
std::vector<Library> scanLibraries(std::string_view versionText);

// `classifier` with every "${arch}" replaced by `archDigits` ("32" or "64").
std::string replaceArch(std::string_view classifier, std::string_view archDigits);
