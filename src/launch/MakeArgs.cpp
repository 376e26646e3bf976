#include "launch/MakeArgs.h"

#include "context/GameFolders.h"
#include "launch/ClassPath.h"
#include "launch/CurrentFormatArgs.h"
#include "launch/LegacyArgs.h"
#include "launch/VersionNumber.h"
#include "launch/VersionText.h"
#include "platform/FileList.h"

namespace {

constexpr double kLastOldStyleVersion = 5.9;

std::string signedInLayout(const std::string& mainClass, const LaunchValues& v) {
    return mainClass + " --username " + v.userName + " --version " + v.versionId + " --gameDir " +
           v.gameDir + " --assetsDir " + v.assetsDir + " --uuid " + v.uuid + " --assetIndex " +
           v.versionId + " --userProperties {}" + " --userType Legacy" + " --accessToken " +
           v.accessToken;
}

std::string oldStyleLayout(const std::string& mainClass, const LaunchValues& v) {
    return mainClass + " --username " + v.userName + " " + v.authSession + " --gameDir " +
           v.gameDir + " --assetsDir " + v.assetsDir;
}

std::string offlineModernLayout(const std::string& mainClass, const LaunchValues& v) {
    return mainClass + " " + v.userName + " --session " + v.authSession + " --version " +
           v.versionId + " --gameDir " + v.gameDir + " --assetsDir " + v.assetsDir +
           " --uuid ${auth_uuid}" + " --assetIndex " + v.versionId + " --userProperties {}" +
           " --userType legacy" + " --accessToken ${auth_access_token}" +
           " --tweakClass cpw.mods.fml.common.launcher.FMLTweaker";
}

std::string trueOrFalse(bool value) {
    return value ? "true" : "false";
}

struct VersionDescription {
    ArgsStatus status = ArgsStatus::Ok;
    std::string jsonPath;
    std::string text;
    std::string mainClass;
    std::string reason;  // why the JSON could not be read
};

VersionDescription readDescription(const GameFolders& folders, const std::string& versionId) {
    VersionDescription description;
    description.jsonPath = folders.versionJson(versionId);
    platform::Result<std::string> text = readVersionText(description.jsonPath);
    if (!text) {
        description.status = ArgsStatus::VersionJsonMissing;
        description.reason = text.reason();
        return description;
    }
    description.text = std::move(text).value();
    std::optional<std::string> mainClass = findMainClass(description.text);
    if (!mainClass) {
        description.status = ArgsStatus::MainClassMissing;
        return description;
    }
    description.mainClass = std::move(*mainClass);
    return description;
}

}  // namespace

std::string gameElement(const std::string& mainClass, const LaunchValues& values) {
    const std::string& id = values.versionId;
    double number = versionNumber(id);
    bool snapshot = isSnapshotShaped(id);
    bool signedIn = !values.accessToken.empty() && !values.uuid.empty();
    if (signedIn && (number > kLastOldStyleVersion || snapshot))
        return signedInLayout(mainClass, values);
    if (number <= kLastOldStyleVersion || id.starts_with("b") || id.starts_with("a"))
        return oldStyleLayout(mainClass, values);
    return offlineModernLayout(mainClass, values);
}

void addModernArgs(LaunchArgs& args, const LaunchValues& values, const std::string& classPath,
                   const std::string& mainClass) {
    args.clear();
    args.AddArg("-Xmx" + std::to_string(values.memoryMb) + "m");
    args.AddArg("-Dfml.ignoreInvalidMinecraftCertificates=" +
                trueOrFalse(values.ignoreCertificates));
    args.AddArg("-Dfml.ignorePatchDiscrepancies=" + trueOrFalse(values.ignorePatchDiscrepancies));
    args.AddArg("-Djava.library.path=\"" + values.nativesDir + "\"");
    args.AddArg(classPath);
    args.AddArg(gameElement(mainClass, values));
}

bool isOldLayout(const std::string& versionFolder, platform::PathStyle style) {
    return platform::isExistingFile(versionFolder + style.separator + "minecraft.jar");
}

ArgsStatus checkVersionFiles(const std::string& launcherFolder, const std::string& versionId,
                             platform::PathStyle style, std::string* reason) {
    GameFolders folders(launcherFolder, style);
    if (isOldLayout(folders.versionFolder(versionId), style)) return ArgsStatus::Ok;
    platform::Result<std::optional<MergedVersion>> current =
        loadCurrentFormatVersion(folders, versionId);
    if (!current) {
        if (reason) *reason = current.reason();
        return ArgsStatus::ParentUnusable;
    }
    if (current.value())
        return current.value()->mainClass.empty() ? ArgsStatus::MainClassMissing : ArgsStatus::Ok;
    VersionDescription description = readDescription(folders, versionId);
    if (reason) *reason = description.reason;
    return description.status;
}

ArgsStatus MakeArgs(LaunchArgs& args, const LaunchValues& values, const std::string& launcherFolder,
                    platform::PathStyle style) {
    args.clear();
    GameFolders folders(launcherFolder, style);
    if (isOldLayout(folders.versionFolder(values.versionId), style)) {
        LegacyValues legacy;
        legacy.versionId = values.versionId;
        legacy.memoryMb = values.memoryMb;
        legacy.userName = values.userName;
        legacy.nativesFolder = folders.versionNatives(values.versionId);
        MakeLegacyArgs(args, legacy, folders);
        return ArgsStatus::Ok;
    }
    platform::Result<std::optional<MergedVersion>> current =
        loadCurrentFormatVersion(folders, values.versionId);
    if (!current) return ArgsStatus::ParentUnusable;
    if (const std::optional<MergedVersion>& version = current.value()) {
        if (version->mainClass.empty()) return ArgsStatus::MainClassMissing;
        addCurrentFormatArgs(args, values, *version, folders, runningLibrarySystem());
        return ArgsStatus::Ok;
    }
    VersionDescription description = readDescription(folders, values.versionId);
    if (description.status != ArgsStatus::Ok) return description.status;
    std::string classPath =
        MakeClassPath(description.jsonPath, description.text, launcherFolder, style);
    addModernArgs(args, values, classPath, description.mainClass);
    return ArgsStatus::Ok;
}
