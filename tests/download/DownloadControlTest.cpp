#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "EngineHarness.h"
#include "download/DownloadTask.h"

using download::DownloadTimer;
using testing_support::EngineHarness;
using testing_support::okResponse;
using Events = std::vector<std::string>;

TEST(DownloadControl, OlderLongerFileIsReplacedWhole) {
    EngineHarness h;
    h.folder.write("a.jar", std::string(5000, 'o'));
    h.run("http://h/a.jar", {okResponse("new")});
    EXPECT_EQ(h.file("a.jar"), "new");
}

TEST(DownloadControl, StopRemovesTemporaryFilesAndRaisesNothing) {
    EngineHarness h;
    h.folder.write("a.jar", "kept");
    h.run("http://h/a.jar", {okResponse("0123456789").substr(0, 45)});
    ASSERT_EQ(h.files().size(), 2u);  // the target and the temporary file
    h.engine.stop();
    EXPECT_EQ(h.files(), std::vector<std::string>{"a.jar"});
    EXPECT_EQ(h.file("a.jar"), "kept");
    EXPECT_FALSE(h.transport.open);
    EXPECT_TRUE(h.timers.running.empty());
    h.engine.stop();  // nothing running: nothing happens
    h.feed({"late bytes"});
    EXPECT_EQ(h.listener.ends(), Events{});
}

TEST(DownloadControl, RestartKeepsTheNameFoundByTheFirstAttempt) {
    EngineHarness h;
    std::string first = okResponse(std::string(50, 'x'),
                                   "Content-Disposition: attachment;filename=\"named.jar\"\r\n");
    h.run("http://h/dir/", {first.substr(0, first.size() - 10)});
    h.engine.restart();
    EXPECT_EQ(h.transport.connects.size(), 2u);
    h.engine.onConnected();
    h.feed({okResponse("second")});
    EXPECT_EQ(h.listener.ends(), Events{"done"});
    EXPECT_EQ(h.files(), std::vector<std::string>{"named.jar"});
    EXPECT_EQ(h.file("named.jar"), "second");
}

TEST(DownloadControl, StartingWhileAConnectionIsOpenIsAnError) {
    EngineHarness h;
    h.run("http://h/a.jar", {okResponse("0123456789").substr(0, 45)});
    h.start("http://h/b.jar");
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_TRUE(h.files().empty());
    EXPECT_FALSE(h.transport.open);
}

TEST(DownloadControl, StartingWhileTheLastDownloadIsClosingEndsItFirst) {
    EngineHarness h;
    // No length: the download waits for the close poll after the peer has gone.
    h.run("http://h/a.jar", {"HTTP/1.1 200 OK\r\n\r\nthe whole body"});
    h.transport.open = false;
    h.transport.closing = true;
    h.engine.onPeerClosed();
    ASSERT_TRUE(h.engine.active());
    h.start("http://h/b.jar");
    h.tick(DownloadTimer::ClosePoll);
    h.engine.stop();
    // Nothing was announced as saved, so nothing may be left.
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_TRUE(h.files().empty());
    EXPECT_EQ(h.transport.connects.size(), 1u);
}

TEST(DownloadControl, RepeatedConnectedEventKeepsTheOneTemporaryFile) {
    EngineHarness h;
    h.start("http://h/a.jar");
    h.engine.onConnected();
    h.engine.onConnected();
    EXPECT_EQ(h.files().size(), 1u);
    h.feed({okResponse("abc")});
    EXPECT_EQ(h.files(), std::vector<std::string>{"a.jar"});
    EXPECT_EQ(h.transport.sent.size(), h.engine.requestText().size());
}

TEST(DownloadControl, HostStartsTheNextDownloadFromInsideTheEndEvents) {
    for (std::string firstResponse : {okResponse("one"), std::string("HTTP/1.1 500 X\r\n\r\n")}) {
        EngineHarness h;
        h.listener.after = [&](const std::string& event) {
            if (event == "done" || event == "error") {
                if (h.transport.connects.size() == 1) h.start("http://h/b.jar");
            }
        };
        h.run("http://h/a.jar", {firstResponse});
        ASSERT_EQ(h.transport.connects.size(), 2u);
        EXPECT_TRUE(h.engine.active());
        h.engine.onConnected();
        h.feed({okResponse("two")});
        EXPECT_EQ(h.file("b.jar"), "two");
        EXPECT_EQ(h.listener.ends().size(), 2u);
    }
}

TEST(DownloadControl, StopFromInsideProgressEndsQuietly) {
    EngineHarness h;
    h.listener.after = [&](const std::string&) { h.engine.stop(); };
    h.run("http://h/a.jar", {okResponse("abc")});
    EXPECT_EQ(h.listener.events, Events{"progress(0,3,0)"});
    EXPECT_TRUE(h.files().empty());
}

TEST(DownloadTask, SplitsAtTheMarkerAndTurnsBackslashes) {
    using download::splitDownloadTask;
    auto task = splitDownloadTask("http:\\\\h\\libraries\\a.jar[下载到]D:\\游戏\\lib\\");
    ASSERT_TRUE(task);
    EXPECT_EQ(task->url, "http://h/libraries/a.jar");
    EXPECT_EQ(task->destination, "D:\\游戏\\lib\\");
    auto twice = splitDownloadTask("http://h/a[下载到]/x[下载到]/y");
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->destination, "/x[下载到]/y");
    EXPECT_FALSE(splitDownloadTask("http://h/a.jar /tmp"));
    auto round = splitDownloadTask(download::makeDownloadTask("http://h/文件.jar", "/tmp/游戏"));
    ASSERT_TRUE(round);
    EXPECT_EQ(round->url, "http://h/文件.jar");
    EXPECT_EQ(round->destination, "/tmp/游戏");
}

TEST(DownloadTask, QueueStartsOnFirstAddAndAdvancesOnEachEnd) {
    std::vector<std::string> started;
    download::DownloadQueue queue(
        [&](const download::DownloadTask& t) { started.push_back(t.url); });
    queue.add("http://h/1[下载到]/d");
    queue.add("no marker");
    queue.add("http://h/3[下载到]/d");
    EXPECT_EQ(started, std::vector<std::string>{"http://h/1"});
    EXPECT_EQ(queue.entries().size(), 3u);
    queue.advance();  // the invalid text is dropped on the way
    EXPECT_EQ(started, (std::vector<std::string>{"http://h/1", "http://h/3"}));
    queue.advance();
    EXPECT_TRUE(queue.empty());
    queue.advance();
    EXPECT_EQ(started.size(), 2u);
}

TEST(DownloadControl, DiskThatRefusesToGrowEndsWithErrorAndNoFile) {
    EngineHarness h;
    h.folder.write("a.jar", "old");
    // Writes past 4 KiB fail as on a full disk (the signal would end the process).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string response = okResponse(std::string(20000, 'z'));
    h.run("http://h/a.jar", {response.substr(0, 3000), response.substr(3000)});
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_EQ(h.files(), std::vector<std::string>{"a.jar"});
    EXPECT_EQ(h.file("a.jar"), "old");
}
