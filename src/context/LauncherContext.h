#pragma once
#include <string>
#include <string_view>

#include "context/GameFolders.h"
#include "context/LauncherConfig.h"
#include "context/LauncherHooks.h"
#include "context/LauncherVersion.h"
#include "context/Seams.h"
#include "context/ServiceHosts.h"
#include "platform/Log.h"
#include "platform/Paths.h"

// What windows and core functions receive instead of globals: the folders, the settings,
// the first-run flags, the service hosts, the log, the seams, the hooks and the version.
class LauncherContext {
  public:
    LauncherContext(std::string launcherFolder, Seams seams,
                    platform::PathStyle style = platform::PathStyle::native())
        : launcherFolder_(std::move(launcherFolder)), style_(style), seams_(std::move(seams)) {}

    // The launcher folder, without a trailing separator.
    const std::string& launcherFolder() const { return launcherFolder_; }
    platform::PathStyle style() const { return style_; }

    // The launcher folder followed by a relative path written with "\"
    // (".Vendrolupa_Data\config.ini"), in this context's separator style.
    std::string path(std::string_view relative) const {
        return folders().inLauncherFolder(relative);
    }
    std::string dataFolder() const { return path(".Vendrolupa_Data"); }
    // A file of the data folder (config.ini, services.ini, launcher.log ...).
    std::string dataFile(std::string_view name) const {
        return dataFolder() + style_.separator + std::string(name);
    }
    GameFolders folders() const { return GameFolders(launcherFolder_, style_); }

    LauncherConfig config;
    bool firstRun = false;
    bool setupDone = false;
    ServiceHosts services;
    LauncherHooks hooks;
    // Set by main() from the build; tests choose their own.
    LauncherVersion version;
    // Writes nothing until the application points it at the data folder's launcher.log.
    platform::Log log;

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
