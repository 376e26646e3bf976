#pragma once
#include <string>

// The five settings of config.ini, all kept as text as they were stored.
struct LauncherConfig {
    std::string userName;
    std::string memoryMb;
    std::string javaPath;
    std::string password;
    std::string themeName;

    // A stored password means the player signs in: the settings window opens with its sign-in
    // switch on, and the launch signs in.
    bool signsIn() const { return !password.empty(); }

    bool operator==(const LauncherConfig&) const = default;
};
