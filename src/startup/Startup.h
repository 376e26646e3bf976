#pragma once
#include "context/LauncherContext.h"

// The windows the start-up procedure opens; the Qt layer implements them.
class StartupWindows {
  public:
    virtual ~StartupWindows() = default;
    // Shows the settings window modally and returns when it is closed.
    virtual void showSettingsModal() = 0;
    // Shows the main window (not modally), creating it first when it does not exist.
    virtual void showMainWindow() = 0;
};

inline constexpr const char* kWelcomeText =
    "欢迎使用 Vendrolupa！在启动 Minecraft 之前，我们先进行一些配置。";

// The launcher's start: without a settings file the welcome message and the first
// configuration, then the main window and the stored settings. Returns false when the
// process is to end (the first configuration was given up; endProcess has been called).
bool startLauncher(LauncherContext& context, StartupWindows& windows);

// The first configuration: the settings window with FirstRun set. Returns false, after
// calling endProcess, when it was closed without saving.
bool RunFirstSetup(LauncherContext& context, StartupWindows& windows);
