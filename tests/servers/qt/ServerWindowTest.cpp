#include "servers/qt/serveradfrm.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QLabel>
#include <QTest>

#include "StatusServer.h"
#include "TestLauncher.h"
#include "controls/qt/bluebutton.h"
#include "platform/CodePage.h"
#include "platform/TextFile.h"
#include "servers/StatusCodec.h"

namespace {

using testing_support::readAll;
using testing_support::StatusServer;
using testing_support::TestLauncher;

const std::string kPlaceholder = servers::kPlaceholder;
const std::string kMaxFirst = R"({"players":{"max":20,"online":0},"description":"生存服"})";

std::string label3(serveradfrm& window, int place) {
    return window.Label3(place)->text().toStdString();
}

std::string listFile(TestLauncher& launcher) {
    return launcher.context.path(".Vendrolupa_Data\\serverlist.ini");
}

void writeList(TestLauncher& launcher, const std::vector<std::string>& lines) {
    std::filesystem::create_directories(launcher.context.dataFolder());
    ASSERT_TRUE(platform::writeTextLines(listFile(launcher), lines));
}

// A loopback port nobody listens on.
int closedPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

std::string loopback(int port) {
    return "127.0.0.1:" + std::to_string(port);
}

bool waitForQueries(serveradfrm& window) {
    return QTest::qWaitFor([&] { return !window.queriesRunning(); }, 10000);
}

TEST(ServerWindow, WithoutListFileAllLabelsShowPlaceholderAndOneAddWritesFivePlaces) {
    TestLauncher launcher;
    serveradfrm window(launcher.context);
    for (int place = 0; place < 5; ++place) {
        EXPECT_EQ(label3(window, place), kPlaceholder);
        EXPECT_EQ(window.Label4(place)->text().toStdString(), kPlaceholder);
    }
    launcher.dialogs.inputAnswers = {"我的服务器", "mc.example.cn:25565"};
    QTest::mouseClick(window.Label3(2), Qt::LeftButton);

    ASSERT_EQ(launcher.dialogs.shown.size(), 2u);
    EXPECT_EQ(launcher.dialogs.shown[0].text, "请输入服务器名字");
    EXPECT_EQ(launcher.dialogs.shown[1].text, "请输入服务器 IP:端口");
    EXPECT_EQ(launcher.dialogs.shown[1].title, "添加服务器");
    EXPECT_EQ(label3(window, 2), "我的服务器");
    std::string placeholderLine = kPlaceholder + "|" + kPlaceholder + "\r\n";
    EXPECT_EQ(readAll(listFile(launcher)),
              platform::toCodePage(placeholderLine + placeholderLine +
                                   "我的服务器|mc.example.cn:25565\r\n" + placeholderLine +
                                   placeholderLine));
}

TEST(ServerWindow, OnlyALeftClickOnTheNameAsksForAServer) {
    TestLauncher launcher;
    serveradfrm window(launcher.context);
    QLabel* name = window.Label3(0);
    QTest::mouseClick(name, Qt::RightButton);
    QTest::mousePress(name, Qt::LeftButton);
    QTest::mouseRelease(name, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

TEST(ServerWindow, CancelledBoxOrRefusedEntryChangesNothing) {
    struct Case {
        std::deque<std::optional<std::string>> answers;
        std::string message;
    };
    const Case cases[] = {
        {{std::nullopt}, ""},
        {{"新名字", std::nullopt}, ""},
        {{"新名字", "host|x:1"}, "服务器地址不能包含“|”。"},
        {{"A\nB", "host:1"}, "服务器名字和地址不能换行。"},
        {{"名字😀", "host:1"}, "服务器名字或地址含有无法保存的字符。"},
    };
    for (const Case& c : cases) {
        TestLauncher launcher;
        writeList(launcher, {"旧服务器|old.host:25565"});
        std::string before = readAll(listFile(launcher));
        serveradfrm window(launcher.context);
        launcher.dialogs.inputAnswers = c.answers;
        window.addServer(0);
        EXPECT_EQ(label3(window, 0), "旧服务器");
        EXPECT_EQ(window.Label4(0)->text().toStdString(), "old.host:25565");
        EXPECT_EQ(readAll(listFile(launcher)), before);
        std::vector<std::string> messages = launcher.dialogs.messageTexts();
        EXPECT_EQ(messages.empty() ? "" : messages.front(), c.message);
    }
}

TEST(ServerWindow, NameWithBarReadsBackAsTyped) {
    TestLauncher launcher;
    {
        serveradfrm window(launcher.context);
        launcher.dialogs.inputAnswers = {"生存|创造", "10.0.0.2:25570"};
        window.addServer(1);
    }
    serveradfrm reloaded(launcher.context);
    EXPECT_EQ(label3(reloaded, 1), "生存|创造");
    EXPECT_EQ(reloaded.Label4(1)->text().toStdString(), "10.0.0.2:25570");
}

TEST(ServerWindow, NamesWithMarkupShowAsTyped) {
    TestLauncher launcher;
    writeList(launcher, {"<b>生存</b>|host:1"});
    serveradfrm window(launcher.context);
    QLabel* name = window.Label3(0);
    // Read as markup the label would show only the two characters between the tags.
    EXPECT_GE(name->sizeHint().width(), QFontMetrics(name->font()).horizontalAdvance(name->text()));
}

TEST(ServerWindow, RefreshShowsCountsAndFailuresAndSavingKeepsNames) {
    StatusServer maxFirst(
        {StatusServer::Behaviour::Answer, StatusServer::replyPacket(kMaxFirst), {1, 2, 7}});
    std::string longJson =
        R"({"players":{"online":7,"max":100},"description":")" + std::string(200, 'x') + "\"}";
    StatusServer onlineFirst(
        {StatusServer::Behaviour::AnswerAndHold, StatusServer::replyPacket(longJson), {1, 1}});
    StatusServer resets({StatusServer::Behaviour::Reset, {}, {}});
    StatusServer silent({StatusServer::Behaviour::Silent, {}, {}});
    TestLauncher launcher;
    writeList(launcher, {"甲|" + loopback(maxFirst.port()), "乙|" + loopback(onlineFirst.port()),
                         "丙|" + loopback(resets.port()), "丁|" + loopback(silent.port()),
                         "戊|no-port-here"});
    serveradfrm window(launcher.context);
    window.setQueryTimeout(1500);
    window.refresh();
    EXPECT_EQ(label3(window, 0), "正在查询…");
    EXPECT_EQ(label3(window, 4), "戊");
    ASSERT_TRUE(waitForQueries(window));

    EXPECT_EQ(label3(window, 0), "0/20");
    EXPECT_EQ(label3(window, 1), "7/100");
    EXPECT_EQ(label3(window, 2), "连接失败");
    EXPECT_EQ(label3(window, 3), "查询超时");
    EXPECT_EQ(label3(window, 4), "戊");
    for (StatusServer* server : {&maxFirst, &onlineFirst, &resets, &silent}) {
        ASSERT_EQ(server->requests().size(), 1u);
        EXPECT_EQ(server->requests()[0], servers::statusRequest());
    }

    launcher.dialogs.inputAnswers = {"己", "host:1"};
    window.addServer(4);
    std::vector<std::string> lines = *platform::readTextLines(listFile(launcher));
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "甲|" + loopback(maxFirst.port()), "乙|" + loopback(onlineFirst.port()),
                  "丙|" + loopback(resets.port()), "丁|" + loopback(silent.port()), "己|host:1"}));
    EXPECT_EQ(label3(window, 0), "0/20");
}

TEST(ServerWindow, IncompleteOrNumberlessRepliesAreNotShownAsCounts) {
    std::string whole = StatusServer::replyPacket(kMaxFirst);
    struct Case {
        StatusServer::Options options;
        std::string shown;
    };
    const Case cases[] = {
        {{StatusServer::Behaviour::Answer,
          StatusServer::replyPacket(R"({"players":{"max":20}})"),
          {}},
         "甲"},
        {{StatusServer::Behaviour::Truncate, whole, {whole.size() - 1}}, "连接失败"},
        {{StatusServer::Behaviour::Answer, std::string(5, '\xFF'), {}}, "回复无效"},
    };
    for (const Case& c : cases) {
        StatusServer server(c.options);
        TestLauncher launcher;
        writeList(launcher, {"甲|" + loopback(server.port())});
        serveradfrm window(launcher.context);
        window.refresh();
        ASSERT_TRUE(waitForQueries(window));
        EXPECT_EQ(label3(window, 0), c.shown);
    }
}

TEST(ServerWindow, RefusedConnectionShowsFailureAndRefreshClickedOnButton) {
    TestLauncher launcher;
    writeList(launcher, {"甲|" + loopback(closedPort())});
    serveradfrm window(launcher.context);
    window.show();
    QTest::mouseClick(window.bluebutton1(), Qt::LeftButton);
    ASSERT_TRUE(waitForQueries(window));
    EXPECT_EQ(label3(window, 0), "连接失败");
}

}  // namespace

namespace {

TEST(ServerWindow, ClosingWindowDuringQueriesReportsNothingAfterwards) {
    StatusServer silent({StatusServer::Behaviour::Silent, {}, {}});
    TestLauncher launcher;
    writeList(launcher, {"甲|" + loopback(silent.port()), "乙|" + loopback(silent.port())});
    {
        serveradfrm window(launcher.context);
        window.refresh();
        ASSERT_TRUE(QTest::qWaitFor([&] { return silent.requests().size() == 2; }, 5000));
        EXPECT_TRUE(window.queriesRunning());
    }
    QTest::qWait(50);  // any late socket event would land on a destroyed window
}

}  // namespace
