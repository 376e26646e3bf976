#pragma once
#include <string>
#include <vector>

#include "launch/LaunchSequence.h"

namespace launch_fixtures {

// The main window's side of a launch: records what the sequence asked of it, in order.
class RecordingLaunchUi final : public LaunchUi {
  public:
    std::vector<std::string> calls;

    void showMarketHideMain() override { calls.push_back("market"); }
    void hideOverlay() override { calls.push_back("overlay"); }
    void restoreMainWindow() override { calls.push_back("restore"); }
};

}  // namespace launch_fixtures
