#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Work of higher subsystems that lower ones call at fixed points. Each does nothing until
// the subsystem that owns it fills it in.
struct LauncherHooks {
    std::function<void()> checkUpdate = [] {};
    std::function<void(const std::string& nativeFolder)> checkNative = [](const std::string&) {};
    // Downloads the missing libraries of a version (folder without trailing separator, id);
    // returns when the market window has finished or at once when nothing is missing.
    std::function<void(const std::string& versionFolder, const std::string& versionId)>
        checkLibraries = [](const std::string&, const std::string&) {};
    // Sets the main window's background colour (0xRRGGBB); creates the main window first
    // (running its load sequence) when it does not exist yet.
    std::function<void(uint32_t colour)> applyTheme = [](uint32_t) {};
    // Shows the market window, modally (its button) or not (the launch).
    std::function<void(bool modal)> showMarket = [](bool) {};
    // Ends the process at once (the real one quits the event loop and exits).
    std::function<void()> endProcess = [] {};
};
