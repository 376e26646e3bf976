// Drives the real market window against a mirror and prints what it measured:
//   bench_market assets <launcher folder> <mirror url> <version id> [at once]
//       "更新资源" for the version into the (empty) launcher folder, until the queue is empty,
//       with `at once` downloads running at once (1 when not given)
//   bench_market catalogue <launcher folder> <mirror url>
//       opening the market until its catalogue is listed
//   bench_market queue <launcher folder> <mirror url> <version id> <downloads> [at once]
//       "更新资源" queues every object of a large index; runs `downloads` tasks of it
//   bench_market official <launcher folder> <services.ini> <version id>
//       "更新资源" on the source services.ini names (the version's JSON already installed)
// Output: "seconds=<s> tasks=<n> entries=<n> messages=<n> peak_rss_kib=<k> max_gap_ms=<g>",
// the longest time the window's event loop went without running a 10 ms timer (the window
// cannot repaint more rarely than that), when in the run it came, and the most processor time
// the loop spent between two ticks (the part of a stall that is the launcher's own work).
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "context/LauncherContext.h"
#include "controls/qt/PButton.h"
#include "market/qt/frmmarket.h"
#include "platform/curl/CurlHttpClient.h"

namespace {

// Messages go to the standard error instead of waiting for a click.
class PrintedDialogs final : public platform::Dialogs {
  public:
    int shown = 0;
    platform::DialogAnswer messageBox(const std::string& text, const std::string&,
                                      platform::MessageIcon, platform::MessageButtons) override {
        ++shown;
        std::cerr << text << "\n";
        return platform::DialogAnswer::Ok;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
    std::string fileDialog(const platform::FileDialogRequest&) override { return {}; }
};

// The processor time the calling thread has used: between two timer ticks, the work that held
// the event loop, whatever other programs on the machine took meanwhile.
double threadCpuMs() {
    timespec spent{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &spent);
    return double(spent.tv_sec) * 1000 + double(spent.tv_nsec) / 1e6;
}

void select(frmmarket& market, const std::string& id) {
    for (size_t i = 0; i < market.List2.size(); ++i) {
        if (market.List2[i] == id) market.List1->setCurrentRow(int(i));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: bench_market assets|catalogue|queue|official <launcher folder> "
                     "<mirror url or services.ini> [version id] [downloads]\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string mode = argv[1];
    PrintedDialogs dialogs;
    platform::SystemProcessStarter processes;
    platform::CurlHttpClient http;
    platform::SystemRandom random;
    platform::SystemClock clock;
    LauncherContext context(
        argv[2], Seams{dialogs, processes, http, random, clock, platform::sleepWithoutEvents,
                       [] { QCoreApplication::processEvents(); }});
    if (mode == "official") {
        context.services = loadServiceHosts(argv[3]);
        http.setCertificateAuthorityFile(context.services.cafile);
    } else {
        context.services.source = DownloadSourceKind::Mirror;
        context.services.mirror = context.services.official = context.services.files = argv[3];
    }

    auto started = std::chrono::steady_clock::now();
    frmmarket market(context);
    market.show();
    QCoreApplication::processEvents();
    size_t tasks = 0;
    const int atOnceArgument = mode == "queue" ? 6 : 5;
    if (argc > atOnceArgument) market.pipeline().setParallel(std::stoul(argv[atOnceArgument]));
    auto lastTick = std::chrono::steady_clock::now();
    double lastCpuMs = threadCpuMs();
    double maxGapMs = 0, maxGapAtS = 0, maxBusyMs = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        auto now = std::chrono::steady_clock::now();
        const double gap = std::chrono::duration<double, std::milli>(now - lastTick).count();
        if (gap > maxGapMs) {
            maxGapMs = gap;
            maxGapAtS = std::chrono::duration<double>(now - started).count();
        }
        const double cpuMs = threadCpuMs();
        maxBusyMs = std::max(maxBusyMs, cpuMs - lastCpuMs);
        lastTick = now;
        lastCpuMs = cpuMs;
    });
    if (mode != "catalogue") {
        select(market, argc > 4 ? argv[4] : "");
        started = std::chrono::steady_clock::now();
        market.PButton2_Click();
        lastTick = std::chrono::steady_clock::now();
        lastCpuMs = threadCpuMs();
        ticks.start(10);
        tasks = market.pipeline().size();
        const size_t stopAt = mode == "queue" && argc > 5 ? tasks - std::stoul(argv[5]) : 0;
        while (market.pipeline().size() > stopAt)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "seconds=%.4f tasks=%zu entries=%d messages=%d peak_rss_kib=%ld max_gap_ms=%.1f "
        "max_gap_at_s=%.2f max_busy_ms=%.1f\n",
        seconds, tasks, market.List1->count(), dialogs.shown, usage.ru_maxrss, maxGapMs, maxGapAtS,
        maxBusyMs);
    return 0;
}
