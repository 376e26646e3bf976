#pragma once
#include <cstdint>
#include <functional>
#include <string>

// A version's files as the launch read them (launch/MakeArgs.h); the hooks only pass them on.
struct VersionFiles;

// Work of higher subsystems that lower ones call at fixed points. Each does nothing until
// the subsystem that owns it fills it in.
struct LauncherHooks {
    std::function<void()> checkUpdate = [] {};
    std::function<void(const std::string& nativeFolder)> checkNative = [](const std::string&) {};
    // Downloads the missing libraries of a version from the files the launch read of it;
    // returns when the market window has finished or at once when nothing is missing.
    std::function<void(const std::string& versionId, const VersionFiles& files)> checkLibraries =
        [](const std::string&, const VersionFiles&) {};
    // Sets the main window's background colour (0xRRGGBB); creates the main window first
    // (running its load sequence) when it does not exist yet.
    std::function<void(uint32_t colour)> applyTheme = [](uint32_t) {};
    // Shows the market window, modally (its button) or not (the launch).
    std::function<void(bool modal)> showMarket = [](bool) {};
    // Ends the process at once (the real one quits the event loop and exits).
    std::function<void()> endProcess = [] {};
};
