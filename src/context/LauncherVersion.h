#pragma once
#include <string>

// The launcher's own version: shown in the main window's title, written to the log at start-up
// and compared with the version the update server publishes.
struct LauncherVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;

    // major.minor.revision in decimal without leading zeros, as the update server writes it.
    std::string text() const {
        return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
    }
};
