#include "startup/MainWindowLoad.h"

#include "startup/MigrateOldLayout.h"

std::string mainWindowTitle(int major, int minor, int revision) {
    return "Vendrolupa Pre-Alpha Version " + std::to_string(major) + "." + std::to_string(minor) +
           "." + std::to_string(revision) + " - 启动你的世界";
}

void loadMainWindow(LauncherContext& context, MainWindowLoadUi& window) {
    context.hooks.checkUpdate();
    window.showTitle(
        mainWindowTitle(context.version.major, context.version.minor, context.version.revision));
    MigrateOldLayout(context);
    const GameFolders folders = context.folders();
    const char separator = context.style().separator;
    window.ShowFolderList(folders.versions() + separator);
    context.hooks.checkNative(folders.native() + separator);
    window.showRandomBackground();
}
