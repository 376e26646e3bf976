#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "context/LauncherContext.h"
#include "market/QueueEntry.h"
#include "market/UpdateRecord.h"
#include "platform/Result.h"

// The launcher's update of itself from its update server: the check at start-up and the
// finishing step after the new executable has been downloaded into the launcher's folder.
namespace market {

inline constexpr const char* kUpdateQuestionTitle = "发现Vendrolupa新版本";

// The name under which the download of `url` lands in the launcher's folder, refused when the
// address is not http, when the name could do more than name a file in the update script,
// or when it would overwrite the launcher itself (`executableName`) or the script.
platform::Result<std::string> updateFileName(const std::string& url,
                                             const std::string& executableName,
                                             platform::PathStyle style);

class SelfUpdate {
  public:
    // `executablePath` is the running launcher's own file (empty when unknown).
    SelfUpdate(LauncherContext& context, std::string executablePath);

    // Fetches the record and asks the player about a new version. Returns the download task
    // of the new executable (its URL kept as written) when the player agreed and the record can
    // be carried out (any refusal is shown); nullopt when there is nothing to do.
    std::optional<QueueEntry> check(std::string_view ownVersion);

    // The finishing step, once the update's download has finished: refuses an empty file or
    // one whose SHA-256 differs from the record's (the file is removed and the old launcher
    // goes on), otherwise writes the update script, starts it and ends the launcher.
    // Returns whether the script was started.
    bool finish();

  private:
    platform::Result<void> runScript(const std::string& downloadedName);
    std::string launcherPath(const std::string& name) const;

    LauncherContext& context_;
    std::string executablePath_;
    std::optional<UpdateRecord> accepted_;
};

}  // namespace market
