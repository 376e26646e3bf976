#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"
#include "platform/Paths.h"
#include "platform/ProcessStarter.h"
#include "platform/Random.h"
#include "platform/Wait.h"
#include "startup/LauncherConfig.h"
#include "startup/ServiceHosts.h"

inline constexpr const char* kAppTitle = "Vendrolupa";

// The operating-system services the launcher uses, each replaceable in tests.
struct Seams {
    platform::Dialogs& dialogs;
    platform::ProcessStarter& processes;
    platform::HttpClient& http;
    platform::Random& random;
    platform::Clock& clock;
    platform::WaitFunction wait = platform::sleepWithoutEvents;
    platform::PumpEventsFunction pumpEvents = [] {};
};

// Work of later subsystems that earlier ones call at fixed points. Each does nothing until
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

// What windows and core functions receive instead of globals: the folders, the settings,
// the first-run flags, the service hosts, the seams and the hooks.
class LauncherContext {
  public:
    LauncherContext(std::string launcherFolder, Seams seams,
                    platform::PathStyle style = platform::PathStyle::native())
        : launcherFolder_(std::move(launcherFolder)), style_(style), seams_(std::move(seams)) {}

    // The launcher folder, without a trailing separator.
    const std::string& launcherFolder() const { return launcherFolder_; }
    platform::PathStyle style() const { return style_; }

    // The launcher folder followed by a relative path written with "\" (".minecraft\versions"),
    // in this context's separator style.
    std::string path(std::string_view relative) const {
        std::string result = launcherFolder_;
        result += style_.separator;
        for (char c : relative)
            result += c == '\\' ? style_.separator : c;
        return result;
    }
    std::string dataFolder() const { return path(".Vendrolupa_Data"); }
    std::string gameFolder() const { return path(".minecraft"); }

    LauncherConfig config;
    bool firstRun = false;
    bool setupDone = false;
    ServiceHosts services;
    LauncherHooks hooks;

    platform::Dialogs& dialogs() const { return seams_.dialogs; }
    platform::ProcessStarter& processes() const { return seams_.processes; }
    platform::HttpClient& http() const { return seams_.http; }
    platform::Random& random() const { return seams_.random; }
    platform::Clock& clock() const { return seams_.clock; }
    void wait(int milliseconds) const { seams_.wait(milliseconds); }
    void pumpEvents() const { seams_.pumpEvents(); }

  private:
    std::string launcherFolder_;
    platform::PathStyle style_;
    Seams seams_;
};
