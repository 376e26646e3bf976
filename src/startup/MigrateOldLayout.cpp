#include "startup/MigrateOldLayout.h"

#include <filesystem>

#include "context/ShowFailure.h"
#include "download/VersionFolderName.h"
#include "platform/FileList.h"
#include "platform/ScriptFile.h"

namespace {

using platform::DialogAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

using platform::shellQuoted;

std::vector<std::string> batchLines(const GameFolders& folders, const std::string& name) {
    std::string bin = folders.oldBin();
    std::string target = folders.versionFolder(name) + "\\";
    return {
        "cmd.exe /c xcopy \"" + bin + "\" \"" + target + "\"  /f /s /q",
        // xcopy leaves errorlevel 0 only when everything was copied.
        "if not errorlevel 1 cmd.exe /c rd \"" + bin + "\" /s/q",
        "del %0",
    };
}

std::vector<std::string> shellLines(const GameFolders& folders, const std::string& name) {
    std::string bin = folders.oldBin();
    std::string target = folders.versionFolder(name);
    return {
        "#!/bin/sh",
        "if mkdir -p " + shellQuoted(target) + " && cp -R " + shellQuoted(bin + "/.") + " " +
            shellQuoted(target + "/") + "; then rm -rf " + shellQuoted(bin) + "; fi",
        "rm -f -- \"$0\"",
    };
}

}  // namespace

std::string versionNameProblem(const std::string& name) {
    if (name.empty()) return "没有输入版本名。";
    return download::versionFolderNameProblem(name);
}

std::string migrationScriptName(platform::PathStyle style) {
    return style == platform::PathStyle::windows() ? "MoveOldVersion.bat" : "MoveOldVersion.sh";
}

std::vector<std::string> migrationScriptLines(const std::string& launcherFolder,
                                              const std::string& versionName,
                                              platform::PathStyle style) {
    GameFolders folders(launcherFolder, style);
    return style == platform::PathStyle::windows() ? batchLines(folders, versionName)
                                                   : shellLines(folders, versionName);
}

std::string migrationCommandLine(const std::string& scriptPath, platform::PathStyle style) {
    return platform::scriptCommandLine(scriptPath, style);
}

void MigrateOldLayout(LauncherContext& context) {
    const platform::PathStyle style = context.style();
    if (!platform::isExistingFile(context.folders().oldBinJar())) return;
    platform::Dialogs& dialogs = context.dialogs();
    if (dialogs.messageBox(kMigrateQuestion, kAppTitle, MessageIcon::Question,
                           MessageButtons::YesNo) != DialogAnswer::Yes)
        return;
    std::optional<std::string> name = dialogs.inputBox(kVersionNamePrompt, kAppTitle, "");
    if (!name) return;
    if (std::string problem = versionNameProblem(*name); !problem.empty()) {
        showFailure(context, problem + "旧版本没有迁移。");
        return;
    }
    std::string script = context.path(migrationScriptName(style));
    platform::Result<> written = platform::writeScript(
        script, migrationScriptLines(context.launcherFolder(), *name, style), style);
    if (!written) {
        showFailure(context, "无法写入迁移脚本：" + written.reason() + "。旧版本没有迁移。");
        return;
    }
    platform::Result<> started =
        context.processes().start(migrationCommandLine(script, style),
                                  platform::WindowStyle::Hidden, context.launcherFolder());
    if (!started) {
        std::error_code ec;
        std::filesystem::remove(platform::fromUtf8Path(script), ec);
        showFailure(context, "无法运行迁移脚本：" + started.reason() + "。旧版本没有迁移。");
    }
}
