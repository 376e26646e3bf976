#include "launch/MakeArgs.h"

#include "launch/ClassPath.h"
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
};

VersionDescription readDescription(const std::string& launcherFolder, const std::string& versionId,
                                   platform::PathStyle style) {
    VersionDescription description;
    description.jsonPath = VersionJsonPath(launcherFolder, versionId, style);
    std::optional<std::string> text = ReadVersionText(description.jsonPath);
    if (!text) {
        description.status = ArgsStatus::VersionJsonMissing;
        return description;
    }
    description.text = std::move(*text);
    std::optional<std::string> mainClass = FindMainClass(description.text);
    if (!mainClass) {
        description.status = ArgsStatus::MainClassMissing;
        return description;
    }
    description.mainClass = std::move(*mainClass);
    return description;
}

}  // namespace

std::string GameElement(const std::string& mainClass, const LaunchValues& values) {
    const std::string& id = values.versionId;
    double number = VersionNumber(id);
    bool snapshot = IsSnapshotShaped(id);
    bool signedIn = !values.accessToken.empty() && !values.uuid.empty();
    if (signedIn && (number > kLastOldStyleVersion || snapshot))
        return signedInLayout(mainClass, values);
    if (number <= kLastOldStyleVersion || id.starts_with("b") || id.starts_with("a"))
        return oldStyleLayout(mainClass, values);
    return offlineModernLayout(mainClass, values);
}

void AddModernArgs(LaunchArgs& args, const LaunchValues& values, const std::string& classPath,
                   const std::string& mainClass) {
    args.clear();
    args.AddArg("-Xmx" + std::to_string(values.memoryMb) + "m");
    args.AddArg("-Dfml.ignoreInvalidMinecraftCertificates=" +
                trueOrFalse(values.ignoreCertificates));
    args.AddArg("-Dfml.ignorePatchDiscrepancies=" + trueOrFalse(values.ignorePatchDiscrepancies));
    args.AddArg("-Djava.library.path=\"" + values.nativesDir + "\"");
    args.AddArg(classPath);
    args.AddArg(GameElement(mainClass, values));
}

std::string VersionFolder(const std::string& launcherFolder, const std::string& versionId,
                          platform::PathStyle style) {
    const char s = style.separator;
    return launcherFolder + s + ".minecraft" + s + "versions" + s + versionId;
}

std::string VersionJsonPath(const std::string& launcherFolder, const std::string& versionId,
                            platform::PathStyle style) {
    return VersionFolder(launcherFolder, versionId, style) + style.separator + versionId + ".json";
}

bool IsOldLayout(const std::string& versionFolder, platform::PathStyle style) {
    return platform::isExistingFile(versionFolder + style.separator + "minecraft.jar");
}

ArgsStatus CheckVersionFiles(const std::string& launcherFolder, const std::string& versionId,
                             platform::PathStyle style) {
    if (IsOldLayout(VersionFolder(launcherFolder, versionId, style), style)) return ArgsStatus::Ok;
    return readDescription(launcherFolder, versionId, style).status;
}

ArgsStatus MakeArgs(LaunchArgs& args, const LaunchValues& values, const std::string& launcherFolder,
                    platform::PathStyle style) {
    args.clear();
    const char s = style.separator;
    if (IsOldLayout(VersionFolder(launcherFolder, values.versionId, style), style)) {
        LegacyValues legacy;
        legacy.versionId = values.versionId;
        legacy.memoryMb = values.memoryMb;
        legacy.userName = values.userName;
        legacy.nativesPart = std::string(1, s) + ".minecraft" + s + "versions" + s +
                             values.versionId + s + "natives";
        MakeLegacyArgs(args, legacy, launcherFolder, style);
        return ArgsStatus::Ok;
    }
    VersionDescription description = readDescription(launcherFolder, values.versionId, style);
    if (description.status != ArgsStatus::Ok) return description.status;
    std::string classPath =
        MakeClassPath(description.jsonPath, description.text, launcherFolder, style);
    AddModernArgs(args, values, classPath, description.mainClass);
    return ArgsStatus::Ok;
}
