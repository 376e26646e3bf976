#pragma once
#include <string>

#include "platform/Dialogs.h"

// The Java path the settings window proposes from the machine.

// The Java executable of the .jar association: the text between the first two double
// quotes of its open command. Empty when there is no association or the command holds
// no quoted path.
std::string proposedJavaPath(platform::Dialogs& dialogs);

// The Java path within an open command such as `"C:\Java\bin\javaw.exe" -jar "%1"`;
// empty when it holds no quoted path (also for the reader's "Error").
std::string javaPathFromOpenCommand(const std::string& command);
