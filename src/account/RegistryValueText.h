#pragma once
#include <string>

#include "platform/Dialogs.h"
#include "platform/Machine.h"

// The key whose default value holds the command that opens .jar files.
inline constexpr const char* kJarOpenCommandKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\jarfile\\shell\\open\\command";

// The predefined root named exactly (case-sensitive); RegistryRoot::None for any other name.
platform::RegistryRoot RootKeyFromName(const std::string& name);

// Splits "ROOT\sub\key" into its root (the result) and the sub-key path (left in
// `keyPath`; empty for the root itself). A path not beginning with "HKEY_" or ending with
// "\" is shown to the user as "Incorrect Format:" and gives RegistryRoot::None.
platform::RegistryRoot SplitKeyPath(platform::Dialogs& dialogs, std::string& keyPath);

// The text of a value (empty name: the key's default value), read without ever creating
// or changing a key: "Error" when the key or value cannot be read, empty text when the
// path has no known root. Cut at the first NUL, blanks around it removed.
std::string RegistryValueText(platform::Dialogs& dialogs, const std::string& keyPath,
                              const std::string& valueName);
