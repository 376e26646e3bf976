// Drives the download control the way the launcher does and prints how long it took:
//   bench_xgtdl one <url> <folder>        one download
//   bench_xgtdl queue <url-list> <folder> a queue, each next task started from the end event
// Output: "seconds=<s> files=<n> failures=<n> peak_rss_kib=<k>".
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "download/qt/XGTDL.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: bench_xgtdl one|queue <url|url-list> <folder>\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string mode = argv[1], source = argv[2], folder = argv[3];
    std::vector<std::string> urls;
    if (mode == "one") {
        urls.push_back(source);
    } else {
        std::ifstream list(source);
        for (std::string line; std::getline(list, line);)
            if (!line.empty()) urls.push_back(line);
    }

    platform::SystemClock clock;
    platform::SystemRandom random;
    XGTDL control(clock, random);
    int finished = 0, failures = 0;
    auto next = [&](bool ok) {
        ++finished;
        if (!ok) ++failures;
        if (size_t(finished) < urls.size())
            control.下载文件(urls[size_t(finished)], folder);
        else
            QTimer::singleShot(0, &app, &QApplication::quit);
    };
    control.下载完毕 = [&] { next(true); };
    control.下载错误 = [&] { next(false); };
    control.下载失败 = [&] { next(false); };

    auto started = std::chrono::steady_clock::now();
    QTimer::singleShot(0, &app, [&] {
        if (urls.empty())
            app.quit();
        else
            control.下载文件(urls.front(), folder);
    });
    app.exec();
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("seconds=%.4f files=%d failures=%d peak_rss_kib=%ld\n", seconds, finished, failures,
                usage.ru_maxrss);
    return failures == 0 ? 0 : 1;
}
