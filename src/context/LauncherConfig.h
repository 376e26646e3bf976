#pragma once
#include <string>

// The five settings of config.ini, all kept as text as they were stored.
struct LauncherConfig {
    std::string userName;
    std::string memoryMb;
    std::string javaPath;
    std::string password;
    std::string themeName;

    bool operator==(const LauncherConfig&) const = default;
};
