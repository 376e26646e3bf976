#pragma once
#include <string>

#include "context/LauncherConfig.h"
#include "context/LauncherContext.h"
#include "platform/Result.h"

// config.ini in the data folder: five lines (user name, memory, Java path, password,
// theme) in the system code page, each ending CR LF.

enum class SettingsFileState { Read, Missing, Unreadable };

struct SettingsFileRead {
    LauncherConfig config;  // all empty unless the file was read
    SettingsFileState state = SettingsFileState::Missing;
    std::string reason;  // why the file was not read, unless it was
};

std::string settingsFilePath(const LauncherContext& context);

// Lines the file lacks read as empty text; lines beyond the fifth are ignored.
SettingsFileRead readSettingsFile(const std::string& path);

// Writes the five lines whole (temporary file, then rename); on a failure, with its reason,
// any earlier file is left as it was.
platform::Result<> writeSettingsFile(const std::string& path, const LauncherConfig& config);

// Reads the settings file into the context's LauncherConfig and applies the theme colour
// to the main window. A file that is missing or cannot be read is reported and the
// settings are taken as empty.
void LoadSettings(LauncherContext& context);
