#include "launch/LaunchSequence.h"

bool runLaunchSequence(LauncherContext&, const std::string&, LaunchUi& ui) {
    ui.restoreMainWindow();
    return false;
}
