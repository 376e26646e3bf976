#pragma once
#include <optional>
#include <string>
#include <vector>

#include "launch/VersionChain.h"
#include "launch/VersionJson.h"
#include "platform/Paths.h"

// The jar files of current-format libraries: where each lies under the libraries folder, where
// it comes from and its SHA-1, and which of them this system takes.
struct LibraryFile {
    std::string path;  // relative to the libraries folder, with "/"
    std::string url;   // empty when the JSON gives none
    std::string sha1;  // empty when the JSON gives none
    bool operator==(const LibraryFile&) const = default;
};

// The path a library name gives: "g.h:a:v" lies at g/h/a/v/a-v.jar, "g:a:v:c" (or a `classifier`)
// at g/a/v/a-v-c.jar, "g:a:v@zip" at g/a/v/a-v.zip. nullopt for a name of fewer than three parts.
std::optional<std::string> pathFromName(const std::string& name,
                                        const std::string& classifier = "");

// A relative "/" path whose every element is a plain file name: it cannot leave the folder.
bool isSafeLibraryPath(const std::string& path);

// Where the library file at the relative "/" `path` lies below `librariesFolder` (no trailing
// separator), written in `style`.
std::string libraryFileOnDisk(const std::string& librariesFolder, const std::string& path,
                              platform::PathStyle style);

// The system the rules are evaluated for, and the width "${arch}" stands for.
struct LibrarySystem {
    launch::SystemInfo rules;
    std::string archDigits;  // "64" or "32"
};
// The running system.
LibrarySystem runningLibrarySystem();

// What the libraries of a merged version need on `system`, in merged order; libraries whose
// rules refuse the system are left out, and so is every file whose path is unsafe.
struct LibraryFiles {
    std::vector<LibraryFile> classPath;  // each path once; natives-map libraries excluded
    struct Natives {
        LibraryFile file;
        std::vector<std::string> exclude;
    };
    std::vector<Natives> natives;  // the jars to extract into the version's natives folder
};
LibraryFiles libraryFiles(const MergedVersion& version, const LibrarySystem& system);
