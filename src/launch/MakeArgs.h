#pragma once
#include <cstdint>
#include <string>

#include "context/GameFolders.h"
#include "launch/LaunchArgs.h"
#include "launch/VersionChain.h"
#include "platform/Paths.h"

// What the launch hands to the command builder.
struct LaunchValues {
    int32_t memoryMb = 0;
    std::string userName;
    std::string versionId;
    std::string nativesDir;  // relative to the game's working folder
    std::string assetsDir;
    std::string gameDir;
    std::string authSession = "${auth_session}";
    bool ignoreCertificates = true;
    bool ignorePatchDiscrepancies = true;
    std::string accessToken;  // empty when not signed in
    std::string uuid;
    std::string launcherVersion;  // passed only to versions with their own argument lists
};

enum class ArgsStatus {
    Ok,
    VersionJsonMissing,  // new layout without a readable `<id>.json`
    MainClassMissing,    // the JSON names no main class
    ParentUnusable,      // a parent named by `inheritsFrom` is missing, broken or in a loop
};

// The game part of the command line, one element: the main class and one of three layouts
// (signed in; old-style; offline with the mod-loader tweaker), chosen by the version id and
// by whether an access token and a profile id are present.
std::string gameElement(const std::string& mainClass, const LaunchValues& values);

// Fills `args` with the new layout: heap, mod-loader options, library path, `classPath`
// (the whole "-cp ..." element) and the game element.
void addModernArgs(LaunchArgs& args, const LaunchValues& values, const std::string& classPath,
                   const std::string& mainClass);

// A version's files as one launch reads them, each once: the check, the launch's own steps and
// the arguments all work from this.
struct VersionFiles {
    bool oldLayout = false;  // the version folder holds `minecraft.jar`
    // The chosen JSON merged with its parents when it has its own argument lists or names a
    // parent; nullopt for any other JSON, or when there is none.
    platform::Result<std::optional<MergedVersion>> current = std::optional<MergedVersion>();
    // The JSON as the text scans read it; filled only for a new-layout version that `current`
    // does not cover.
    std::string jsonPath;
    ArgsStatus textStatus = ArgsStatus::Ok;
    std::string textReason;  // why the JSON could not be read
    std::string text;
    std::string mainClass;
};

// Reads the files of the version `versionId`: the JSON once, and the parents it names.
VersionFiles readVersionFiles(const GameFolders& folders, const std::string& versionId);

// Empties `args` and fills it for the version `values.versionId` of the launcher in
// `launcherFolder`: the old layout when the version folder holds `minecraft.jar`, the version's
// own argument lists when its JSON has them or names a parent, else the new layout from the
// version JSON. On a failure `args` is left empty.
ArgsStatus MakeArgs(LaunchArgs& args, const LaunchValues& values, const std::string& launcherFolder,
                    platform::PathStyle style);
// The same from the version's files already read; Ok whenever checkVersionFiles(files) is.
ArgsStatus MakeArgs(LaunchArgs& args, const LaunchValues& values, const VersionFiles& files,
                    const std::string& launcherFolder, platform::PathStyle style);

// Whether MakeArgs can fill the arguments of the version: an old-layout folder, or a readable
// JSON that names a main class (itself or through its parents). When the JSON cannot be read,
// `reason` receives why.
ArgsStatus checkVersionFiles(const std::string& launcherFolder, const std::string& versionId,
                             platform::PathStyle style, std::string* reason = nullptr);
ArgsStatus checkVersionFiles(const VersionFiles& files, std::string* reason = nullptr);

// Whether the folder of the version `versionId` holds `minecraft.jar` (the old single-jar layout).
bool isOldLayout(const GameFolders& folders, const std::string& versionId);
