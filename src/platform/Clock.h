#pragma once
#include <chrono>
#include <cstdint>
#include <ctime>

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

// `time` broken down in the local time zone.
inline std::tm localCalendarTime(std::chrono::system_clock::time_point time) {
    std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &seconds);
#else
    localtime_r(&seconds, &parts);
#endif
    return parts;
}

}  // namespace platform
