#include <QApplication>
#include <QEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/LauncherWindows.h"
#include "app/Version.h"
#include "context/LauncherContext.h"
#include "context/ServiceHosts.h"
#include "launch/qt/frmmain.h"
#include "platform/Clock.h"
#include "platform/ProcessStarter.h"
#include "platform/Random.h"
#include "platform/UnattendedDialogs.h"
#include "platform/curl/CurlHttpClient.h"
#include "platform/qt/ChineseTranslation.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/UiFont.h"

namespace {

// For the start-up benchmark: prints the wall clock (ns since the epoch) when the main
// window is first painted, then ends the launcher.
class ShownReporter final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("shown %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }

  private:
    bool reported_ = false;
};

void endProcess() {
    // At once: no further windows, nothing saved. Leaving the event loops would not do: a request
    // from inside the start-up (the self-update) would let the start-up go on loading.
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(platform::uiFont(9));
    const bool translated = platform::installQtChineseTranslation();

    platform::QtDialogs shownDialogs;
    platform::UnattendedDialogs unattendedDialogs;
    platform::Dialogs& dialogs = std::getenv("VENDROLUPA_ANSWER_YES")
                                     ? static_cast<platform::Dialogs&>(unattendedDialogs)
                                     : shownDialogs;
    platform::SystemProcessStarter processes;
    platform::CurlHttpClient http;
    platform::SystemRandom random;
    platform::SystemClock clock;
    LauncherContext context(
        platform::executableFolder(),
        Seams{dialogs, processes, http, random, clock, platform::sleepWithoutEvents,
              [] { QCoreApplication::processEvents(); }});
    context.services = loadServiceHosts(context.dataFile("services.ini"));
    http.setCertificateAuthorityFile(context.services.cafile);
    context.log = platform::Log(context.dataFile("launcher.log"));
    unattendedDialogs.log = context.log;
    if (!translated)
        context.log.write("找不到 Qt 的中文翻译（qtbase_zh_CN），对话框之外的标准按钮显示英文");
    context.hooks.endProcess = endProcess;
    context.version = kBuildVersion;

    LauncherWindows windows(context);
    if (!startLauncher(context, windows)) return 0;
    ShownReporter reporter;
    if (std::getenv("VENDROLUPA_REPORT_SHOWN")) windows.mainWindow().installEventFilter(&reporter);
    return app.exec();
}
