#pragma once
#include <string>

#include "context/LauncherContext.h"

// What the launch needs from the windows: the main window implements it.
class LaunchUi {
  public:
    virtual ~LaunchUi() = default;
    // Shows the market window (not modally) and hides the main window.
    virtual void showMarketHideMain() = 0;
    // Hides the press overlay over the start button.
    virtual void hideOverlay() = 0;
    // Brings the main window back after a launch that did not start the game.
    virtual void restoreMainWindow() = 0;
};

// Runs the launch of `versionId`. Returns true when the game was started (the launcher
// has then asked to end the process); false when it reported a problem and stays.
bool runLaunchSequence(LauncherContext& context, const std::string& versionId, LaunchUi& ui);
