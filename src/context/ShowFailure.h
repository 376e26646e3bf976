#pragma once
#include <string>

#include "context/AppTitle.h"
#include "context/LauncherContext.h"
#include "platform/Dialogs.h"

// Shows a failure or refusal to the player and writes the same text to launcher.log, so a
// problem report carries what the player saw. The text must hold no password or token.
void showFailure(const LauncherContext& context, const std::string& text,
                 const std::string& title = kAppTitle,
                 platform::MessageIcon icon = platform::MessageIcon::Warning);
