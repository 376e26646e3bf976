#pragma once
#include <memory>
#include <string>

#include "startup/Startup.h"

class frmmain;
class frmmarket;

// The windows of the start-up procedure. The main window is created on first use (by the
// start-up or by the first applied theme) and lives until the launcher ends. The market window
// is created on first use (the update check at start-up is the first) and stays loaded,
// invisible, until it is closed; closing it unloads it, and the next use loads it anew.
class LauncherWindows final : public StartupWindows {
  public:
    // Installs the context's hooks: the theme colour, the market window, the self-update,
    // native and library checks.
    explicit LauncherWindows(LauncherContext& context);
    ~LauncherWindows() override;

    void showSettingsModal() override;
    void showMainWindow() override;

    frmmain& mainWindow();
    bool hasMainWindow() const { return main_ != nullptr; }
    frmmarket& market();
    bool hasMarket() const { return market_ != nullptr; }

  private:
    void showMarket(bool modal);
    // Unloads the market window once it has been closed; called only where no handler of the
    // window is running any more.
    void unloadClosedMarket();
    void refreshVersions();

    LauncherContext& context_;
    std::unique_ptr<frmmain> main_;
    std::unique_ptr<frmmarket> market_;
};
