#pragma once
#include <chrono>
#include <functional>
#include <thread>

namespace platform {

// A blocking pause that lets no event run (a test seam; tests may shorten it).
using WaitFunction = std::function<void(int milliseconds)>;

inline void sleepWithoutEvents(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Lets pending window events run once; a no-op where there is no event loop.
using PumpEventsFunction = std::function<void()>;

}  // namespace platform
