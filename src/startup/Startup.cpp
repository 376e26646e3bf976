#include "startup/Startup.h"

#include <filesystem>

#include "context/AppTitle.h"
#include "platform/Paths.h"
#include "startup/SettingsFile.h"

bool startLauncher(LauncherContext& context, StartupWindows& windows) {
    context.log.write("启动器启动：版本 " + context.version.text() + "，启动器文件夹 " +
                      context.launcherFolder());
    std::error_code ec;
    if (!std::filesystem::exists(platform::fromUtf8Path(settingsFilePath(context)), ec)) {
        context.dialogs().messageBox(kWelcomeText, kAppTitle, platform::MessageIcon::Information,
                                     platform::MessageButtons::Ok);
        if (!RunFirstSetup(context, windows)) return false;
    }
    windows.showMainWindow();
    LoadSettings(context);
    return true;
}

bool RunFirstSetup(LauncherContext& context, StartupWindows& windows) {
    context.firstRun = true;
    windows.showSettingsModal();
    if (!context.setupDone) {
        context.hooks.endProcess();
        return false;
    }
    return true;
}
