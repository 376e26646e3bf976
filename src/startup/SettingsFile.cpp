#include "startup/SettingsFile.h"

#include <vector>

#include "context/ShowFailure.h"
#include "platform/TextFile.h"
#include "startup/Theme.h"

std::string settingsFilePath(const LauncherContext& context) {
    return context.dataFile("config.ini");
}

SettingsFileRead readSettingsFile(const std::string& path) {
    SettingsFileRead result;
    platform::Result<std::vector<std::string>> read = platform::readTextLines(path);
    if (!read) {
        result.state = read.missing() ? SettingsFileState::Missing : SettingsFileState::Unreadable;
        result.reason = read.reason();
        return result;
    }
    std::vector<std::string>& lines = read.value();
    lines.resize(5);
    result.config = {lines[0], lines[1], lines[2], lines[3], lines[4]};
    result.state = SettingsFileState::Read;
    return result;
}

platform::Result<> writeSettingsFile(const std::string& path, const LauncherConfig& config) {
    return platform::writeTextLines(path, {config.userName, config.memoryMb, config.javaPath,
                                           config.password, config.themeName});
}

void LoadSettings(LauncherContext& context) {
    std::string path = settingsFilePath(context);
    SettingsFileRead read = readSettingsFile(path);
    if (read.state != SettingsFileState::Read) {
        showFailure(context, "无法读取设置文件“" + path + "”（" + read.reason +
                                 "）。本次按空白设置运行，请在“启动器设置”中重新保存设置。");
    }
    context.config = read.config;
    // ApplyTheme: exactly one colour per call, the grey default for unknown names.
    context.hooks.applyTheme(themeColour(context.config.themeName));
}
