#pragma once
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "context/LauncherContext.h"
#include "platform/Clock.h"
#include "platform/ProcessStarter.h"
#include "platform/Random.h"
#include "platform/curl/CurlHttpClient.h"

class frmmarket;
class PButton;

namespace testing_support {

// A launcher folder used as a player uses it: the real process start, HTTP client, random
// numbers and clock, events let run while it waits, the settings naming the `java` on PATH,
// and `services` as its services.ini lines (their cafile= given to the HTTP client as the
// launcher's start gives it). Only the dialogs are scripted.
struct RealLauncher {
    RealLauncher(const std::vector<std::string>& services, const std::string& nameHint);
    std::string path(const std::string& relative) const { return folder.path() + "/" + relative; }

    TempFolder folder;
    ScriptedDialogs dialogs;
    platform::SystemProcessStarter processes;
    platform::CurlHttpClient http;
    platform::SystemRandom random;
    platform::SystemClock clock;
    bool ended = false;
    LauncherContext context;
};

// Selects `version` in the market's catalogue, clicks `button` and waits (at most a minute)
// until the download queue is empty.
void clickAndWait(frmmarket& market, PButton* button, const std::string& version);

}  // namespace testing_support
