// The download engine driven by an arbitrary sequence of socket, timer and host events
// through fakes, with real files in a scratch folder. Whatever the order: at most one end
// event per download, nothing written outside the destination folder, and once the engine
// is idle the folder holds only the files that "done" events announced.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <set>

#include "FuzzCheck.h"
#include "download/DownloadEngine.h"

namespace {

namespace fs = std::filesystem;
using download::DownloadTimer;

struct Transport final : download::DownloadTransport {
    bool open = false;
    bool closing = false;
    bool tls = false;
    void connectTo(const std::string&, uint16_t) override { open = true, closing = false; }
    bool supportsTls() const override { return tls; }
    void connectEncryptedTo(const std::string&, uint16_t) override { open = true, closing = false; }
    void send(const std::string&) override {}
    void closeConnection() override { open = false; }
    bool isClosing() const override { return closing; }
    bool isOpen() const override { return open; }
};

struct Timers final : download::DownloadTimers {
    std::set<DownloadTimer> running;
    void start(DownloadTimer t) override { running.insert(t); }
    void stop(DownloadTimer t) override { running.erase(t); }
    bool isActive(DownloadTimer t) const override { return running.count(t) > 0; }
};

// Every draw differs, as the program's one generator does.
struct CountingRandom final : platform::Random {
    uint32_t state = 1;
    double next() override { return (state = state * 1664525u + 1013904223u) / 4294967296.0; }
};

struct StepClock final : platform::Clock {
    int64_t ms = 1700000000000;
    int64_t tickMs() override { return ms += 7; }
    std::chrono::system_clock::time_point now() override {
        return std::chrono::system_clock::time_point(std::chrono::milliseconds(ms += 7));
    }
};

const fs::path& scratch() {
    static const fs::path root = [] {
        std::string pattern = (fs::temp_directory_path() / "vendrolupa-fuzz-XXXXXX").string();
        FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
        return fs::path(pattern);
    }();
    return root;
}

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        FUZZ_CHECK(entry.is_regular_file());
        names.insert(entry.path().filename().string());
    }
    return names;
}

struct Host final : download::DownloadListener {
    download::DownloadEngine* engine = nullptr;
    fs::path folder;
    std::set<std::string> announced;
    int endsOfThisDownload = 0;
    bool startFromHandler = false;
    int handlerStarts = 0;

    void progress(int32_t, int32_t, int32_t) override {}
    void done() override {
        announced.insert(engine->fileName());
        ended();
    }
    void failed() override { ended(); }
    void error() override { ended(); }
    void ended() {
        FUZZ_CHECK(++endsOfThisDownload == 1);
        FUZZ_CHECK(!engine->active());
        checkFolder();
        if (startFromHandler && handlerStarts++ < 3) {
            endsOfThisDownload = 0;
            engine->startDownload("http://h/next.jar", folder.string());
        }
    }
    void checkFolder() const {
        // Only the destination folder is written to, and only files go there.
        FUZZ_CHECK(filesIn(scratch()).empty());
        for (const std::string& name : filesIn(folder)) {
            FUZZ_CHECK(announced.count(name) || (engine->active() && name == engine->tempName()));
        }
    }
};

const char* const kUrls[] = {"http://h/a.jar", "http://h/d/", "http://127.0.0.1:8080/x?y=1",
                             "http://h/CON",   "http://h/..", "https://h/a.jar"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    // scratch() itself stays empty: a file appearing there was written outside `folder`.
    const fs::path folder = scratch().parent_path() / (scratch().filename().string() + "-in");
    fs::remove_all(folder);
    fs::create_directories(folder);

    Transport transport;
    Timers timers;
    StepClock clock;
    CountingRandom random;
    Host host;
    host.folder = folder;
    host.startFromHandler = input.ConsumeBool();
    download::DownloadEngine engine(transport, timers, host, clock, random);
    host.engine = &engine;

    for (int step = 0; step < 48 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 11)) {
            case 0: {
                std::string url = input.ConsumeBool() ? input.PickValueInArray(kUrls)
                                                      : input.ConsumeRandomLengthString(64);
                std::string name = input.ConsumeBool() ? input.ConsumeRandomLengthString(16) : "";
                host.endsOfThisDownload = 0;
                engine.startDownload(url, folder.string() + (input.ConsumeBool() ? "/" : ""), false,
                                     "", name);
                break;
            }
            case 1:
                engine.onConnected();
                break;
            case 2:
            case 3: {
                std::string bytes = input.ConsumeRandomLengthString(512);
                engine.onData(bytes.data(), bytes.size());
                break;
            }
            case 4:
                transport.closing = true;
                transport.open = input.ConsumeBool();
                engine.onPeerClosed();
                break;
            case 5:
                engine.onSocketError();
                break;
            case 6: {
                // Timers fire only while they run, as real ones do.
                auto timer = input.PickValueInArray(
                    {DownloadTimer::ClosePoll, DownloadTimer::Idle, DownloadTimer::Speed});
                int times = input.ConsumeIntegralInRange(1, 25);
                for (int i = 0; i < times && timers.isActive(timer); ++i)
                    engine.onTimer(timer);
                break;
            }
            case 7:
                engine.stop();
                break;
            case 8:
                host.endsOfThisDownload = 0;
                engine.restart();
                break;
            case 9: {
                // A whole well-formed response, so that runs reach the finishing steps often.
                std::string body = input.ConsumeRandomLengthString(64);
                char hex[16];
                std::snprintf(hex, sizeof hex, "%zx", body.size());
                std::string response =
                    input.ConsumeBool()
                        ? "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                              "\r\n\r\n" + body
                        : "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" +
                              std::string(hex) + "\r\n" + body + "\r\n0\r\n\r\n";
                engine.onData(response.data(), response.size());
                break;
            }
            case 10:
                transport.tls = input.ConsumeBool();
                engine.setTolerantFraming(input.ConsumeBool());
                break;
            case 11:
                engine.onTlsFailure(input.ConsumeRandomLengthString(32));
                break;
        }
        host.checkFolder();
    }
    engine.stop();
    host.checkFolder();
    return 0;
}
