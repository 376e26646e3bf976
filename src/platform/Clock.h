#pragma once
#include <chrono>
#include <cstdint>

namespace platform {

// The time (a test seam): a monotonic millisecond tick and the wall clock.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t tickMs() = 0;
    virtual std::chrono::system_clock::time_point now() = 0;
};

class SystemClock final : public Clock {
  public:
    int64_t tickMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    std::chrono::system_clock::time_point now() override {
        return std::chrono::system_clock::now();
    }
};

}  // namespace platform
