#pragma once
#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestSeams.h"
#include "download/DownloadEngine.h"

namespace testing_support {

// Names of every file in `folder`, sorted.
inline std::vector<std::string> fileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A transport that records what the engine asks of it.
struct FakeTransport final : download::DownloadTransport {
    std::vector<std::pair<std::string, uint16_t>> connects;
    std::vector<std::pair<std::string, uint16_t>> encryptedConnects;
    std::string sent;
    bool open = false;
    bool closing = false;
    bool tls = false;  // whether https:// is offered to the engine
    void connectTo(const std::string& host, uint16_t port) override {
        connects.emplace_back(host, port);
        open = true;
        closing = false;
    }
    bool supportsTls() const override { return tls; }
    void connectEncryptedTo(const std::string& host, uint16_t port) override {
        encryptedConnects.emplace_back(host, port);
        open = true;
        closing = false;
    }
    void send(const std::string& bytes) override { sent += bytes; }
    void closeConnection() override { open = false; }
    bool isClosing() const override { return closing; }
    bool isOpen() const override { return open; }
};

struct FakeTimers final : download::DownloadTimers {
    std::set<download::DownloadTimer> running;
    void start(download::DownloadTimer t) override { running.insert(t); }
    void stop(download::DownloadTimer t) override { running.erase(t); }
    bool isActive(download::DownloadTimer t) const override { return running.count(t) > 0; }
};

// Records every event as text ("progress(0,10,0)", "done", "failed", "error"); `after`
// runs after each one, inside the engine's call, as a host's handler would.
struct RecordingListener final : download::DownloadListener {
    std::vector<std::string> events;
    std::function<void(const std::string&)> after = [](const std::string&) {};
    void progress(int32_t d, int32_t t, int32_t s) override {
        record("progress(" + std::to_string(d) + "," + std::to_string(t) + "," + std::to_string(s) +
               ")");
    }
    void done() override { record("done"); }
    void failed() override { record("failed"); }
    void error() override { record("error"); }
    void record(const std::string& e) {
        events.push_back(e);
        after(e);
    }
    std::vector<std::string> ends() const {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.rfind("progress", 0) != 0) out.push_back(e);
        return out;
    }
};

struct EngineHarness {
    TempFolder folder{"engine"};
    FakeTransport transport;
    FakeTimers timers;
    RecordingListener listener;
    ManualClock clock;
    platform::SystemRandom random;
    download::DownloadEngine engine{transport, timers, listener, clock, random};

    void start(const std::string& url) { engine.startDownload(url, folder.path()); }
    // Starts, connects and feeds every batch in order.
    void run(const std::string& url, const std::vector<std::string>& batches) {
        start(url);
        engine.onConnected();
        feed(batches);
    }
    void feed(const std::vector<std::string>& batches) {
        for (const auto& b : batches)
            engine.onData(b.data(), b.size());
    }
    void peerCloses() {
        transport.closing = true;
        engine.onPeerClosed();
        if (timers.isActive(download::DownloadTimer::ClosePoll))
            engine.onTimer(download::DownloadTimer::ClosePoll);
    }
    void tick(download::DownloadTimer t, int times = 1) {
        for (int i = 0; i < times; ++i)
            engine.onTimer(t);
    }
    std::string file(const std::string& name) const { return readAll(folder.path() + "/" + name); }
    std::vector<std::string> files() const { return fileNamesIn(folder.path()); }
};

inline std::string okResponse(const std::string& body, const std::string& extraHeaders = "") {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
           extraHeaders + "\r\n" + body;
}

}  // namespace testing_support
