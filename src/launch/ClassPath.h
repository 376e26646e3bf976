#pragma once
#include <functional>
#include <string>

#include "platform/Paths.h"

// True on a 64-bit operating system: the width that "${arch}" in a native classifier means.
bool IsWow64();

// Whether a library folder holds at least one ordinary file (no folder, nothing hidden).
using FolderProbe = std::function<bool(const std::string& folder)>;
bool folderHasFile(const std::string& folder);

// `jsonPath` with every ".json" replaced by ".jar": the version's game jar.
std::string gameJarPath(const std::string& jsonPath);

// The class-path argument `-cp "<entry>;...;<game jar>"` for a version text: for every
// library whose folder `probe` accepts, its native jar (when the entry names a Windows
// classifier) and its plain jar, then the game jar.
std::string classPathFromText(const std::string& versionText, const std::string& gameJar,
                              const std::string& libraryRoot, platform::PathStyle style,
                              const std::string& archDigits, const FolderProbe& probe);

// The class-path argument for the version JSON at `jsonPath` of the launcher in
// `launcherFolder`, with real folder tests and `IsWow64`; a copy goes to `libs.txt` in the
// launcher folder. An unreadable JSON gives the game jar alone.
std::string MakeClassPath(const std::string& jsonPath, const std::string& launcherFolder,
                          platform::PathStyle style);
// The same for a version text already read from `jsonPath`.
std::string MakeClassPath(const std::string& jsonPath, const std::string& versionText,
                          const std::string& launcherFolder, platform::PathStyle style);
