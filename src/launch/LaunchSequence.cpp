#include "launch/LaunchSequence.h"

#include <optional>

#include "account/MemorySetting.h"
#include "account/SignIn.h"
#include "account/SignInReply.h"
#include "context/AppTitle.h"
#include "context/ShowFailure.h"
#include "launch/JavaVersion.h"
#include "launch/LaunchArgs.h"
#include "launch/LibraryFiles.h"
#include "launch/MakeArgs.h"
#include "launch/NativesFolder.h"
#include "launch/VersionChain.h"
#include "platform/AsciiText.h"
#include "platform/FileList.h"

namespace {

// The message for a version whose description cannot be used.
std::string versionMessage(ArgsStatus status, const LauncherContext& context,
                           const std::string& versionId, const std::string& reason) {
    std::string jsonPath = context.folders().versionJson(versionId);
    std::string what = status == ArgsStatus::MainClassMissing
                           ? "描述文件中没有主类 (mainClass)"
                           : "找不到或无法读取它的描述文件（" + reason + "）";
    return "无法启动版本“" + versionId + "”：" + what + "\n" + jsonPath +
           "\n请在“Minecraft 应用市场”中重新下载这个版本。";
}

// The relative game folders in the context's separator style; they resolve against the
// game's working folder, which is the launcher folder.
LaunchValues launchValues(const LauncherContext& context, int32_t memoryMb,
                          const std::string& versionId) {
    const GameFolders folders = context.folders();
    LaunchValues values;
    values.memoryMb = memoryMb;
    values.userName = context.config.userName;
    values.versionId = versionId;
    values.nativesDir = folders.relativeNative();
    values.assetsDir = folders.relativeAssets();
    values.gameDir = folders.relativeRoot();
    values.launcherVersion = context.version.text();
    return values;
}

// Why the configured Java cannot run a version that names the Java it needs; empty when it can
// (or the version names none).
std::string javaMismatch(const LauncherContext& context, const MergedVersion& version,
                         const std::string& javaPath) {
    if (!version.javaMajor) return "";
    platform::Result<int> major = javaMajorVersion(javaPath, context.dataFile("java-versions.txt"));
    if (!major) {
        return "无法确认设置中的 Java 的版本，游戏没有启动：" + major.reason() +
               "\n请在设置中填写可以运行的 Java 程序。";
    }
    if (major.value() >= *version.javaMajor) return "";
    return "此版本需要 Java " + std::to_string(*version.javaMajor) + "，设置中的 Java 是 " +
           std::to_string(major.value()) + "：" + javaPath +
           "\n游戏没有启动。请在设置中选择 Java " + std::to_string(*version.javaMajor) +
           " 或更高版本的 Java 程序。";
}

}  // namespace

bool runLaunchSequence(LauncherContext& context, const std::string& versionId, LaunchUi& ui) {
    auto stay = [&](const std::string& message) {
        showFailure(context, message, kAppTitle, platform::MessageIcon::Critical);
        ui.restoreMainWindow();
        return false;
    };

    // Everything that can be checked without the network is checked before the library
    // download and the sign-in, so a bad setting costs neither.
    std::optional<int32_t> memoryMb = ParseMemoryMb(context.config.memoryMb);
    if (!memoryMb) {
        return stay(
            "内存设置“" + context.config.memoryMb +
            "”不是正整数，游戏没有启动。\n请在设置中填写以 MB 为单位的最大内存，例如 1024。");
    }
    const std::string& javaPath = context.config.javaPath;
    if (!platform::isExistingFile(javaPath) || javaPath.find('"') != std::string::npos) {
        return stay("找不到 Java 程序“" + javaPath +
                    "”，游戏没有启动。\n请在设置中填写 Java 可执行文件的完整路径。");
    }
    if (versionId.empty()) return stay("请先在版本列表中选择要启动的游戏版本。");
    // The class path and library path are quoted in the command line; a quote inside a folder
    // name would end that quoting and turn the rest of the name into options of Java itself.
    if ((versionId + context.launcherFolder()).find('"') != std::string::npos) {
        return stay("版本“" + versionId + "”的路径中含有双引号（\"），游戏没有启动。\n" +
                    context.launcherFolder() + "\n请把版本文件夹或启动器文件夹改名后再试。");
    }
    // Each file of the version is read once, here; every later step works from what was read.
    const VersionFiles files = readVersionFiles(context.folders(), versionId);
    // A version with its own argument lists, or a profile: its parents and its Java first.
    const platform::Result<std::optional<MergedVersion>>& current = files.current;
    if (!current) {
        context.log.write("无法启动版本“" + versionId + "”：" + current.reason());
        return stay("无法启动版本“" + versionId + "”：" + current.reason());
    }
    if (current.value()) {
        std::string mismatch = javaMismatch(context, *current.value(), javaPath);
        if (!mismatch.empty()) {
            context.log.write(mismatch);
            return stay(mismatch);
        }
    }
    std::string reason;
    ArgsStatus usable = checkVersionFiles(files, &reason);
    if (usable != ArgsStatus::Ok) return stay(versionMessage(usable, context, versionId, reason));

    ui.showMarketHideMain();
    context.hooks.checkLibraries(versionId, files);
    ui.hideOverlay();
    context.pumpEvents();

    LaunchValues values = launchValues(context, *memoryMb, versionId);
    if (context.config.signsIn()) {
        platform::Result<std::string> reply =
            SignIn(context, context.config.userName, context.config.password);
        if (!reply) {
            return stay("正版登录失败：" + reply.reason() +
                        "\n游戏没有启动。请检查网络连接，或在设置中关闭正版登录后再试。");
        }
        std::optional<SignInReply> signedIn = cutSignInReply(reply.value());
        if (!signedIn) {
            return stay(
                "正版登录失败：验证服务器的回复中没有访问令牌，游戏没有启动。\n"
                "请检查用户名、密码和网络连接，或在设置中关闭正版登录后再试。");
        }
        values.accessToken = signedIn->accessToken;
        values.uuid = signedIn->profileId;
        if (!signedIn->playerName.empty()) values.userName = signedIn->playerName;
    }

    if (current.value()) {
        const GameFolders folders = context.folders();
        platform::Result<> extracted =
            extractNatives(libraryFiles(*current.value(), runningLibrarySystem()).natives,
                           folders.libraries(), folders.versionNatives(versionId), folders.style());
        if (!extracted) {
            context.log.write("无法启动游戏：" + extracted.reason());
            return stay(
                "无法启动游戏：" + extracted.reason() +
                "\n请检查磁盘空间和文件夹权限，或在“Minecraft 应用市场”中重新下载这个版本。");
        }
    }

    // The files passed the check above, so the arguments can be made.
    LaunchArgs args;
    (void)MakeArgs(args, values, files, context.launcherFolder(), context.style());

    std::string commandLine = "\"" + javaPath + "\" " + args.JoinArgs();
    // The access token is masked in the log.
    context.log.write("启动游戏：" +
                      platform::replacedAll(commandLine, values.accessToken, "******"));
    platform::Result<> started = context.processes().start(
        commandLine, platform::WindowStyle::Normal, context.launcherFolder());
    if (!started) return stay("无法启动游戏：" + started.reason());

    context.pumpEvents();
    context.hooks.endProcess();
    return true;
}
