#pragma once
#include <memory>

#include "startup/Startup.h"

class frmmain;

// The windows of the start-up procedure. The main window is created on first use (by the
// start-up or by the first applied theme) and lives until the launcher ends.
class LauncherWindows final : public StartupWindows {
  public:
    // Installs the context's applyTheme hook, which colours (and first creates) the main window.
    explicit LauncherWindows(LauncherContext& context);
    ~LauncherWindows() override;

    void showSettingsModal() override;
    void showMainWindow() override;

    frmmain& mainWindow();
    bool hasMainWindow() const { return main_ != nullptr; }

  private:
    LauncherContext& context_;
    std::unique_ptr<frmmain> main_;
};
