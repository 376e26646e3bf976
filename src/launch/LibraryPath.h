#pragma once
#include <optional>
#include <string>

#include "platform/Paths.h"

// Where a library coordinate group:artifact:version lives under the libraries folder.
// The group's dots become separators; every ":" of the coordinate becomes a separator of
// the folder part; the artifact is the text between the first and second ":" and the version
// everything after the second ":". So "g:a:v:x" lives in G/a/v/x with the version "v:x", and
// "g:a" in G/a with the artifact "a" and an empty version.
struct LibraryCoordinate {
    std::string folderPart;  // G/artifact/version, in the given separator style
    std::string artifact;
    std::string version;
    bool operator==(const LibraryCoordinate&) const = default;
};

// nullopt for a text without ":", which is not a library.
std::optional<LibraryCoordinate> splitCoordinate(const std::string& coordinate,
                                                 platform::PathStyle style);

// The library's folder with a trailing separator: root + folder part + separator.
std::string libraryFolderOf(const std::string& libraryRoot, const LibraryCoordinate& library,
                            platform::PathStyle style);

// "artifact-version.jar", or "artifact-version-classifier.jar" for a native classifier
// (already free of "${arch}").
std::string jarName(const LibraryCoordinate& library, const std::string& classifier = "");
