#include "launch/MakeArgs.h"

#include "context/GameFolders.h"
#include "launch/ClassPath.h"
#include "launch/CurrentFormatArgs.h"
#include "launch/LegacyArgs.h"
#include "launch/VersionNumber.h"
#include "launch/VersionText.h"
#include "platform/FileList.h"
#include "platform/TextFile.h"

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

bool isOldLayout(const GameFolders& folders, const std::string& versionId) {
    return platform::isExistingFile(folders.oldLayoutJar(versionId));
}

VersionFiles readVersionFiles(const GameFolders& folders, const std::string& versionId) {
    VersionFiles files;
    files.oldLayout = isOldLayout(folders, versionId);
    files.jsonPath = folders.versionJson(versionId);
    platform::Result<std::string> bytes = platform::readFileBytes(files.jsonPath);
    if (bytes) files.current = loadCurrentFormatVersion(folders, versionId, bytes.value());
    if (files.oldLayout || !files.current || files.current.value()) return files;
    if (!bytes) {
        files.textStatus = ArgsStatus::VersionJsonMissing;
        files.textReason = bytes.reason();
        return files;
    }
    files.text = versionTextOfBytes(bytes.value());
    std::optional<std::string> mainClass = findMainClass(files.text);
    if (!mainClass) {
        files.textStatus = ArgsStatus::MainClassMissing;
        return files;
    }
    files.mainClass = std::move(*mainClass);
    return files;
}

ArgsStatus checkVersionFiles(const VersionFiles& files, std::string* reason) {
    if (files.oldLayout) return ArgsStatus::Ok;
    if (!files.current) {
        if (reason) *reason = files.current.reason();
        return ArgsStatus::ParentUnusable;
    }
    if (const std::optional<MergedVersion>& version = files.current.value())
        return version->mainClass.empty() ? ArgsStatus::MainClassMissing : ArgsStatus::Ok;
    if (reason) *reason = files.textReason;
    return files.textStatus;
}

ArgsStatus checkVersionFiles(const std::string& launcherFolder, const std::string& versionId,
                             platform::PathStyle style, std::string* reason) {
    return checkVersionFiles(readVersionFiles(GameFolders(launcherFolder, style), versionId),
                             reason);
}

ArgsStatus MakeArgs(LaunchArgs& args, const LaunchValues& values, const VersionFiles& files,
                    const std::string& launcherFolder, platform::PathStyle style) {
    args.clear();
    ArgsStatus usable = checkVersionFiles(files);
    if (usable != ArgsStatus::Ok) return usable;
    GameFolders folders(launcherFolder, style);
    if (files.oldLayout) {
        LegacyValues legacy;
        legacy.versionId = values.versionId;
        legacy.memoryMb = values.memoryMb;
        legacy.userName = values.userName;
        legacy.nativesFolder = folders.versionNatives(values.versionId);
        MakeLegacyArgs(args, legacy, folders);
    } else if (const std::optional<MergedVersion>& version = files.current.value()) {
        addCurrentFormatArgs(args, values, *version, folders, runningLibrarySystem());
    } else {
        std::string classPath = MakeClassPath(files.jsonPath, files.text, launcherFolder, style);
        addModernArgs(args, values, classPath, files.mainClass);
    }
    return ArgsStatus::Ok;
}

ArgsStatus MakeArgs(LaunchArgs& args, const LaunchValues& values, const std::string& launcherFolder,
                    platform::PathStyle style) {
    VersionFiles files = readVersionFiles(GameFolders(launcherFolder, style), values.versionId);
    return MakeArgs(args, values, files, launcherFolder, style);
}
