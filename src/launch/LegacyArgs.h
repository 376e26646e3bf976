#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "context/GameFolders.h"
#include "launch/LaunchArgs.h"
#include "platform/Paths.h"

// The launch values of a version kept in the old single-jar layout (`minecraft.jar`).
struct LegacyValues {
    std::string versionId;
    int32_t memoryMb = 0;
    std::string userName;
    int32_t permSizeMb = 64;
    int32_t maxPermSizeMb = 128;
    std::string noDirectDraw = "true";
    std::string pmOffscreen = "false";
    std::string direct3d = "false";
    std::string openGl = "false";
    std::string nativesFolder;  // the version's own natives folder
};

// Fills `args` with the old layout for the jars `jars` (every jar of the version folder).
void addLegacyArgs(LaunchArgs& args, const LegacyValues& values,
                   const std::vector<std::string>& jars, platform::PathStyle style);

// Fills `args` with the old layout, finding every jar of the version folder and its
// sub-folders.
void MakeLegacyArgs(LaunchArgs& args, const LegacyValues& values, const GameFolders& folders);
