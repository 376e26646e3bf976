#pragma once
#include <string>
#include <vector>

#include "context/LauncherContext.h"
#include "platform/Paths.h"

// Moving a game folder of the old single-version layout (its bin folder) into a named
// version folder, by a script that runs detached beside the launcher.

inline constexpr const char* kMigrateQuestion = "Vendrolupa检测到有旧版本的启动文件 是否迁移？";
inline constexpr const char* kVersionNamePrompt = "请输入要保存为的版本名";

// Empty when `name` can name a folder under versions; otherwise the reason, for the user.
std::string versionNameProblem(const std::string& name);

// MoveOldVersion.bat (Windows) or MoveOldVersion.sh (POSIX).
std::string migrationScriptName(platform::PathStyle style);

// The script's lines: copy bin into versions/<name>/, remove bin only when the copy
// succeeded, then delete the script itself whatever happened.
std::vector<std::string> migrationScriptLines(const std::string& launcherFolder,
                                              const std::string& versionName,
                                              platform::PathStyle style);

// The command line that runs the script at `scriptPath`.
std::string migrationCommandLine(const std::string& scriptPath, platform::PathStyle style);

// Offers the migration when the game folder's bin/minecraft.jar exists (asks, takes a version
// name, writes and starts the script without waiting for it).
void MigrateOldLayout(LauncherContext& context);
