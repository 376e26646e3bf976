#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../EngineHarness.h"
#include "TempFolder.h"
#include "download/qt/XGTDL.h"
#include "platform/Clock.h"
#include "platform/Random.h"

namespace testing_support {

// Runs the event loop until `done` holds or `timeoutMs` passes; returns `done()`.
inline bool spinUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

// One XGTDL on a temporary folder that records its events as text.
struct ControlHarness {
    TempFolder folder{"xgtdl"};
    platform::SystemClock clock;
    platform::SystemRandom random;
    XGTDL control{clock, random};
    std::vector<std::string> events;
    std::vector<std::tuple<int32_t, int32_t, int32_t>> progress;

    ControlHarness() {
        control.下载进度 = [this](int32_t d, int32_t t, int32_t s) {
            progress.emplace_back(d, t, s);
        };
        control.下载完毕 = [this] { events.push_back("done"); };
        control.下载失败 = [this] { events.push_back("failed"); };
        control.下载错误 = [this] { events.push_back("error"); };
    }
    // Starts one download and waits for its end event; returns that event (or "none").
    std::string download(const std::string& url, int timeoutMs = 10000) {
        size_t before = events.size();
        control.下载文件(url, folder.path());
        spinUntil([&] { return events.size() > before; }, timeoutMs);
        return events.size() > before ? events.back() : "none";
    }
    std::string file(const std::string& name) const { return readAll(folder.path() + "/" + name); }
    std::vector<std::string> files() const { return fileNamesIn(folder.path()); }
};

// Bytes that are not text and differ from file to file.
inline std::string patternBytes(size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned state = seed * 2654435761u + 1;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

}  // namespace testing_support
