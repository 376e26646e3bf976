#pragma once
#include <memory>
#include <string>

#include "ScriptedDialogs.h"
#include "SystemHttpClient.h"
#include "TempFolder.h"
#include "TestSeams.h"
#include "context/LauncherContext.h"

namespace testing_support {

// A launcher folder in a temporary folder with scripted dialogs, a recording process
// starter, the system's real HTTP client, queued random draws, a manual clock and instant
// waits; `ended` tells whether the launcher asked to end the process.
struct TestLauncher {
    explicit TestLauncher(const std::string& nameHint = "launcher",
                          platform::PathStyle style = platform::PathStyle::posix());

    TempFolder folder;
    ScriptedDialogs dialogs;
    RecordingProcessStarter processes;
    SystemHttpClient http;
    SequenceRandom random;
    ManualClock clock;
    std::vector<int> waits;
    bool ended = false;
    LauncherContext context;
};

}  // namespace testing_support
