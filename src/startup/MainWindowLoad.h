#pragma once
#include <string>

#include "context/LauncherContext.h"

// What the main window's load needs from the window; the main window implements it.
class MainWindowLoadUi {
  public:
    virtual ~MainWindowLoadUi() = default;
    // The title row and the window title.
    virtual void showTitle(const std::string& title) = 0;
    // Fills the version list with the sub-folders of `folderspec` (trailing separator).
    virtual void ShowFolderList(const std::string& folderspec) = 0;
    // Loads a random picture of the data folder as background.
    virtual void showRandomBackground() = 0;
};

// "Vendrolupa Pre-Alpha Version <major>.<minor>.<revision> - 启动你的世界".
std::string mainWindowTitle(int major, int minor, int revision);

// The main window's load, run once right after the window is created: the update check, the
// title, the old-layout migration, the version list, the native check and a background.
void loadMainWindow(LauncherContext& context, MainWindowLoadUi& window);
