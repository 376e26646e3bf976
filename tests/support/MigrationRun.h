#pragma once
#include <chrono>
#include <string>
#include <thread>

#include "TestLauncher.h"
#include "startup/MigrateOldLayout.h"

namespace testing_support {

// Offers the migration in `launcher`'s folder with the real process starter, answering yes
// and `versionName`, and waits (bounded) for the script to delete itself. True when both
// questions were asked and no message followed (the script was written and started) and
// the script went.
inline bool migrateForReal(TestLauncher& launcher, const std::string& versionName,
                           platform::PathStyle style) {
    platform::SystemProcessStarter real;
    LauncherContext context(
        launcher.folder.path(),
        Seams{launcher.dialogs, real, launcher.http, launcher.random, launcher.clock}, style);
    launcher.dialogs.messageAnswers = {platform::DialogAnswer::Yes};
    launcher.dialogs.inputAnswers = {versionName};
    MigrateOldLayout(context);
    if (launcher.dialogs.shown.size() != 2u) return false;
    const std::string script = context.path(migrationScriptName(style));
    for (int i = 0; i < 300 && exists(script); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return !exists(script);
}

}  // namespace testing_support
