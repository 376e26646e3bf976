#pragma once
#include <string>

#include "platform/Clock.h"
#include "platform/Dialogs.h"

// Shows the open (or save) dialog and returns the chosen full path, or empty text when
// cancelled. An initial file name beyond 260 characters is refused with the message
// "Filename Length Overflow". A dialog that returns within 20 ms of being shown (it
// refused the initial file name) is shown once more without it.
std::string ShowFileDialog(platform::Dialogs& dialogs, platform::Clock& clock,
                           platform::FileDialogRequest request);
