#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "StatusServer.h"
#include "TestLauncher.h"
#include "platform/TextFile.h"
#include "servers/qt/serveradfrm.h"

namespace {

using testing_support::StatusServer;

// Writes docs/screenshots/server-window.png when VENDROLUPA_SCREENSHOTS names a folder
// (scripts/screenshots does); otherwise there is nothing to do.
TEST(ServerWindowScreenshot, FivePlacesAfterRefresh) {
    QString folder = qEnvironmentVariable("VENDROLUPA_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "VENDROLUPA_SCREENSHOTS not set";
    auto reply = [](int online, int max) {
        return StatusServer::Options{
            StatusServer::Behaviour::Answer,
            StatusServer::replyPacket(R"({"players":{"max":)" + std::to_string(max) +
                                      R"(,"online":)" + std::to_string(online) + "}}"),
            {}};
    };
    StatusServer first(reply(12, 20)), second(reply(0, 50)), third(reply(87, 200));
    StatusServer silent({StatusServer::Behaviour::Silent, {}, {}});
    testing_support::TestLauncher launcher;
    auto at = [](const StatusServer& s) { return "127.0.0.1:" + std::to_string(s.port()); };
    std::filesystem::create_directories(launcher.context.dataFolder());
    ASSERT_TRUE(platform::writeTextLines(
        launcher.context.path(".Vendrolupa_Data\\serverlist.ini"),
        {"生存服务器|" + at(first), "创造乐园|" + at(second), "小游戏大厅|" + at(third),
         "旧的服务器|" + at(silent), "点击添加服务器|点击添加服务器"}));
    serveradfrm window(launcher.context);
    window.setQueryTimeout(300);
    window.show();
    window.refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.queriesRunning(); }, 5000));
    QDir().mkpath(folder);
    ASSERT_TRUE(window.grab().save(folder + "/server-window.png"));
}

}  // namespace
