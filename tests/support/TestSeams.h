#pragma once
#include <chrono>
#include <deque>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/ProcessStarter.h"
#include "platform/Random.h"

namespace testing_support {

// Records every start instead of running anything; answers `failure` (empty: success).
class RecordingProcessStarter final : public platform::ProcessStarter {
  public:
    struct Started {
        std::string commandLine;
        platform::WindowStyle style;
        std::string workingFolder;
    };
    std::vector<Started> started;
    std::string failure;

    platform::Result<> start(const std::string& commandLine, platform::WindowStyle style,
                             const std::string& workingFolder) override {
        started.push_back({commandLine, style, workingFolder});
        if (!failure.empty()) return platform::Failure{failure};
        return {};
    }
};

// Returns the queued draws in order, then `fallback`.
class SequenceRandom final : public platform::Random {
  public:
    std::deque<double> draws;
    double fallback = 0.0;
    double next() override {
        if (draws.empty()) return fallback;
        double value = draws.front();
        draws.pop_front();
        return value;
    }
};

// A clock that moves only when told.
class ManualClock final : public platform::Clock {
  public:
    int64_t tick = 1000;
    std::chrono::system_clock::time_point wall{std::chrono::seconds(1'700'000'000)};
    int64_t tickMs() override { return tick; }
    std::chrono::system_clock::time_point now() override { return wall; }
};

}  // namespace testing_support
