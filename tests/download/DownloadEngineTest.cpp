#include <gtest/gtest.h>

#include "EngineHarness.h"
#include "platform/Paths.h"
#ifndef _WIN32
#include "FileSizeLimit.h"
#endif

using download::DownloadTimer;
using testing_support::EngineHarness;
using testing_support::exists;
using testing_support::okResponse;
using Events = std::vector<std::string>;

namespace {

const std::string kUrl = "http://127.0.0.1:8080/files/game.jar";
// A body that looks like a redirect and like a header to a careless reader.
const std::string kTrickyBody =
    "HTTP/1.1 302 Found\r\nlocation: http://elsewhere/\r\nLocation: x\r\n"
    "Content-Length: 3\r\n\r\n 302 \0\x01\xff end";

std::string hundredBytes() {
    std::string body;
    for (int i = 0; i < 10; ++i)
        body += "0123456789";
    return body;
}

std::vector<std::string> splitEvery(const std::string& text, size_t size) {
    std::vector<std::string> parts;
    for (size_t at = 0; at < text.size(); at += size)
        parts.push_back(text.substr(at, size));
    return parts;
}

// `response` in two batches, cut at every place: each download saves `body` as game.jar
// and leaves nothing else.
void expectSavedWhereverCut(const std::string& response, const std::string& body) {
    for (size_t cut = 1; cut < response.size(); ++cut) {
        EngineHarness h;
        h.run(kUrl, {response.substr(0, cut), response.substr(cut)});
        ASSERT_EQ(h.listener.ends(), Events{"done"}) << "cut at " << cut;
        ASSERT_EQ(h.file("game.jar"), body) << "cut at " << cut;
        ASSERT_EQ(h.files(), std::vector<std::string>{"game.jar"}) << "cut at " << cut;
    }
}

}  // namespace

TEST(DownloadEngine, SavesTheBodyWhereverTheBatchesSplitTheResponse) {
    const std::string response =
        "HTTP/1.1 200 OK\r\nserver: x\r\ncontent-LENGTH: " + std::to_string(kTrickyBody.size()) +
        "\r\n\r\n" + kTrickyBody;
    expectSavedWhereverCut(response, kTrickyBody);
    EngineHarness single;
    single.run(kUrl, splitEvery(response, 1));
    EXPECT_EQ(single.file("game.jar"), kTrickyBody);
}

TEST(DownloadEngine, SkipsInterimResponsesBeforeTheFinalOne) {
    const std::string interim =
        "HTTP/1.1 100 Continue\r\n\r\n"
        "HTTP/1.1 103 Early Hints\r\nLink: </style.css>; rel=preload\r\n\r\n";
    const std::string response = interim + okResponse(kTrickyBody);
    EngineHarness whole;
    whole.run(kUrl, {response});
    EXPECT_EQ(whole.listener.ends(), Events{"done"});
    EXPECT_EQ(whole.file("game.jar"), kTrickyBody);
    expectSavedWhereverCut(response, kTrickyBody);
    // Switching protocols is no interim answer: nothing to save.
    EngineHarness upgrade;
    upgrade.run(kUrl, {"HTTP/1.1 101 Switching Protocols\r\n\r\n" + okResponse("x")});
    EXPECT_EQ(upgrade.listener.ends(), Events{"error"});
    EXPECT_TRUE(upgrade.files().empty());
}

TEST(DownloadEngine, ReportsProgressWithTheHistoricCounts) {
    const std::string response = okResponse(hundredBytes());  // 40 header bytes
    struct Case {
        std::vector<size_t> batchSizes;
        Events expected;
    };
    const Case cases[] = {
        {{140}, {"progress(0,100,0)", "progress(100,100,0)", "done"}},
        {{50, 45, 45},
         {"progress(0,100,0)", "progress(49,100,0)", "progress(93,100,0)", "progress(100,100,0)",
          "done"}},
        // The header alone first: nothing is reported until it is complete.
        {{20, 20, 100}, {"progress(0,100,0)", "progress(38,100,0)", "progress(100,100,0)", "done"}},
    };
    for (const Case& c : cases) {
        EngineHarness h;
        std::vector<std::string> batches;
        size_t at = 0;
        for (size_t size : c.batchSizes) {
            batches.push_back(response.substr(at, size));
            at += size;
        }
        h.run(kUrl, batches);
        EXPECT_EQ(h.listener.events, c.expected);
        EXPECT_EQ(h.file("game.jar"), hundredBytes());
    }
}

TEST(DownloadEngine, SpeedIsKilobytesSinceTheLastSample) {
    EngineHarness h;
    std::string body(8 * 1024, 'x');
    std::string response = okResponse(body);
    h.run(kUrl, {response.substr(0, 3000)});
    h.tick(DownloadTimer::Speed);  // 2999 received: 2 KiB
    h.feed({response.substr(3000, 2049)});
    EXPECT_EQ(h.listener.events.back(), "progress(5047,8192,2)");
    h.tick(DownloadTimer::Speed);  // 2048 more: 2 KiB
    h.tick(DownloadTimer::Speed);  // nothing: 0
    h.feed({response.substr(5049)});
    EXPECT_EQ(h.listener.events,
              (Events{"progress(0,8192,0)", "progress(2999,8192,0)", "progress(5047,8192,2)",
                      "progress(8192,8192,0)", "done"}));
}

TEST(DownloadEngine, KeepAliveServerFinishesOnTheCountAndTheEngineCloses) {
    EngineHarness h;
    // Many small batches: the historic count never reaches the length, the body does.
    h.run(kUrl, splitEvery(okResponse(hundredBytes()), 7));
    EXPECT_EQ(h.listener.ends(), Events{"done"});
    EXPECT_FALSE(h.transport.open);
    EXPECT_TRUE(h.timers.running.empty());
    EXPECT_FALSE(h.engine.active());
}

TEST(DownloadEngine, ResponseWithoutLengthEndsWhenThePeerCloses) {
    EngineHarness h;
    h.run(kUrl, {"HTTP/1.0 200 OK\r\n\r\nfirst ", "second"});
    EXPECT_TRUE(h.listener.ends().empty());
    h.peerCloses();
    EXPECT_EQ(h.listener.ends(), Events{"done"});
    EXPECT_EQ(h.file("game.jar"), "first second");
}

TEST(DownloadEngine, BodyIsCutAtTheLengthWhenMoreBytesFollow) {
    EngineHarness h;
    h.run(kUrl, {okResponse("abc") + "HTTP/1.1 200 OK\r\n"});
    EXPECT_EQ(h.file("game.jar"), "abc");
}

TEST(DownloadEngine, IdleCountdownEndsAStalledDownloadWithoutATarget) {
    EngineHarness h;
    std::string response = okResponse(hundredBytes());
    h.run(kUrl, {response.substr(0, 60)});
    h.tick(DownloadTimer::Idle, 4);
    h.feed({response.substr(60, 10)});  // data sets the countdown back to five
    h.tick(DownloadTimer::Idle, 4);
    EXPECT_TRUE(h.engine.active());
    h.tick(DownloadTimer::Idle);
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_TRUE(h.files().empty());
    EXPECT_FALSE(h.engine.lastEnd().reason.empty());
}

TEST(DownloadEngine, SilentServerEndsAfterFiveIdleTicks) {
    EngineHarness h;
    h.run(kUrl, {});
    h.tick(DownloadTimer::Idle, 5);
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_TRUE(h.files().empty());
}

TEST(DownloadEngine, ConnectionThatNeverOpensFailsAfterTwentyTicks) {
    EngineHarness h;
    h.start(kUrl);
    h.tick(DownloadTimer::Idle, 19);
    EXPECT_TRUE(h.listener.ends().empty());
    h.tick(DownloadTimer::Idle);
    EXPECT_EQ(h.listener.ends(), Events{"failed"});
    EXPECT_FALSE(h.transport.open);
    EXPECT_TRUE(h.files().empty());
}

TEST(DownloadEngine, FollowsRedirectsAbsoluteAndRelativeKeepingTheFirstName) {
    EngineHarness h;
    h.run("http://first.test/dl/game.jar", {"HTTP/1.1 302 Found\r\nLocation: "
                                            "http://second.test:8081/a/b/c?x=1\r\n\r\n"});
    h.engine.onConnected();
    h.feed({"HTTP/1.1 301 Moved\r\nlocation: ../d.bin\r\nContent-Length: 0\r\n\r\n"});
    h.engine.onConnected();
    h.feed({"HTTP/1.1 307 Temporary\r\nLOCATION: /root.bin\r\n\r\n"});
    h.engine.onConnected();
    h.feed({okResponse("payload")});
    using Connect = std::pair<std::string, uint16_t>;
    EXPECT_EQ(h.transport.connects, (std::vector<Connect>{{"first.test", 80},
                                                          {"second.test", 8081},
                                                          {"second.test", 8081},
                                                          {"second.test", 8081}}));
    EXPECT_NE(h.transport.sent.find("GET /a/b/c?x=1 HTTP/1.1\r\n"), std::string::npos);
    EXPECT_NE(h.transport.sent.find("GET /a/d.bin HTTP/1.1\r\n"), std::string::npos);
    EXPECT_NE(h.transport.sent.find("GET /root.bin HTTP/1.1\r\n"), std::string::npos);
    EXPECT_EQ(h.listener.events, (Events{"progress(0,7,0)", "progress(7,7,0)", "done"}));
    EXPECT_EQ(h.files(), std::vector<std::string>{"game.jar"});
    EXPECT_EQ(h.file("game.jar"), "payload");
}

TEST(DownloadEngine, RedirectFromANamelessUrlTakesTheNameOfTheNewUrl) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"http://h.test/dl/", "http://cdn.test/files/new.jar", "new.jar"},
        {"http://h.test/get?id=5", "/files/real.jar", "real.jar"},
        {"http://h.test/first.jar", "http://cdn.test/other.bin", "first.jar"},
    };
    for (const auto& [url, location, expected] : cases) {
        EngineHarness h;
        h.run(url, {"HTTP/1.1 302 Found\r\nLocation: " + location + "\r\n\r\n"});
        h.engine.onConnected();
        h.feed({okResponse("payload")});
        EXPECT_EQ(h.listener.ends(), Events{"done"}) << url;
        EXPECT_EQ(h.files(), std::vector<std::string>{expected}) << url;
    }
}

TEST(DownloadEngine, EndlessRedirectsEndWithAnError) {
    EngineHarness h;
    h.start(kUrl);
    int hops = 0;
    while (h.engine.active() && hops < 50) {
        h.engine.onConnected();
        h.feed({"HTTP/1.1 302 Found\r\nLocation: /again\r\n\r\n"});
        ++hops;
    }
    EXPECT_EQ(hops, download::DownloadEngine::kMaxRedirects + 1);
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_TRUE(h.files().empty());
}

TEST(DownloadEngine, RefusedResponsesEndWithErrorAndLeaveTheOldFileAlone) {
    const std::string cases[] = {
        "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found",
        "HTTP/1.1 302 Found\r\nContent-Length: 0\r\n\r\n",  // no Location
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 2147483648\r\n\r\nx",
        "HTTP/1.1 200 OK\r\nContent-Length: 12abc\r\n\r\nx",
        "SSH-2.0-OpenSSH\r\n\r\n",
        "HTTP/1.1 200 OK\r\nX: " + std::string(70 * 1024, 'a'),
    };
    for (const std::string& response : cases) {
        EngineHarness h;
        h.folder.write("game.jar", "old content");
        h.run(kUrl, {response});
        EXPECT_EQ(h.listener.ends(), Events{"error"}) << response.substr(0, 40);
        EXPECT_EQ(h.files(), std::vector<std::string>{"game.jar"}) << response.substr(0, 40);
        EXPECT_EQ(h.file("game.jar"), "old content");
        EXPECT_FALSE(h.transport.open);
    }
}

TEST(DownloadEngine, ConnectionLostBeforeTheEndFails) {
    const std::string response = okResponse(hundredBytes());
    struct Case {
        std::string received;
        bool reset;  // a socket error instead of an orderly close
    };
    const Case cases[] = {{"", false},
                          {response.substr(0, 20), false},
                          {response.substr(0, 90), false},
                          {response.substr(0, 90), true}};
    for (const Case& c : cases) {
        EngineHarness h;
        h.run(kUrl, {c.received});
        if (c.reset) {
            h.engine.onSocketError();
        } else {
            h.peerCloses();
        }
        EXPECT_EQ(h.listener.ends(), Events{"failed"}) << c.received.size();
        EXPECT_TRUE(h.files().empty());
    }
}

TEST(DownloadEngine, FailureBeforeTheConnectionIsReported) {
    EngineHarness h;
    h.start(kUrl);
    h.engine.onSocketError();
    EXPECT_EQ(h.listener.ends(), Events{"failed"});
    EXPECT_FALSE(h.engine.active());
}

TEST(DownloadEngine, MissingSaveFolderIsAnError) {
    EngineHarness h;
    h.engine.startDownload(kUrl, h.folder.path() + "/missing");
    h.engine.onConnected();
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_FALSE(h.transport.open);
}

TEST(DownloadEngine, TheHostReadsHowTheLastDownloadEndedFromInsideTheEvent) {
    struct Case {
        std::string response;
        std::string event;
        int status;
        std::string reasonPart;  // empty: no reason
    };
    const Case cases[] = {
        {okResponse("abc"), "done", 200, ""},
        {"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", "error", 404, "404"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nabc", "failed", 200, "连接在下载完成前断开"},
    };
    for (const Case& c : cases) {
        EngineHarness h;
        download::DownloadEnd seen;
        h.listener.after = [&](const std::string& e) {
            if (e == c.event) seen = h.engine.lastEnd();
        };
        h.run(kUrl, {c.response});
        if (c.event == "failed") h.peerCloses();
        ASSERT_EQ(h.listener.ends(), Events{c.event});
        EXPECT_EQ(seen.url, kUrl);
        EXPECT_EQ(seen.file,
                  h.folder.path() + platform::PathStyle::native().separator + "game.jar");
        EXPECT_EQ(seen.status, c.status);
        if (c.reasonPart.empty())
            EXPECT_EQ(seen.reason, "");
        else
            EXPECT_NE(seen.reason.find(c.reasonPart), std::string::npos) << seen.reason;
    }
}

TEST(DownloadEngine, OlderLongerFileIsReplacedWhole) {
    EngineHarness h;
    h.folder.write("a.jar", std::string(5000, 'o'));
    h.run("http://h/a.jar", {okResponse("new")});
    EXPECT_EQ(h.file("a.jar"), "new");
}

TEST(DownloadEngine, StopRemovesTemporaryFilesAndRaisesNothing) {
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

TEST(DownloadEngine, RestartKeepsTheNameFoundByTheFirstAttempt) {
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

TEST(DownloadEngine, StartingWhileAConnectionIsOpenIsAnError) {
    EngineHarness h;
    h.run("http://h/a.jar", {okResponse("0123456789").substr(0, 45)});
    h.start("http://h/b.jar");
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_TRUE(h.files().empty());
    EXPECT_FALSE(h.transport.open);
}

TEST(DownloadEngine, StartingWhileTheLastDownloadIsClosingEndsItFirst) {
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

TEST(DownloadEngine, RepeatedConnectedEventKeepsTheOneTemporaryFile) {
    EngineHarness h;
    h.start("http://h/a.jar");
    h.engine.onConnected();
    h.engine.onConnected();
    EXPECT_EQ(h.files().size(), 1u);
    h.feed({okResponse("abc")});
    EXPECT_EQ(h.files(), std::vector<std::string>{"a.jar"});
    EXPECT_EQ(h.transport.sent.size(), h.engine.requestText().size());
}

TEST(DownloadEngine, HostStartsTheNextDownloadFromInsideTheEndEvents) {
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

TEST(DownloadEngine, StopFromInsideProgressEndsQuietly) {
    EngineHarness h;
    h.listener.after = [&](const std::string&) { h.engine.stop(); };
    h.run("http://h/a.jar", {okResponse("abc")});
    EXPECT_EQ(h.listener.events, Events{"progress(0,3,0)"});
    EXPECT_TRUE(h.files().empty());
}

#ifndef _WIN32  // a file-size limit stands in for a full disk; Windows has none
TEST(DownloadEngine, DiskThatRefusesToGrowEndsWithErrorAndNoFile) {
    EngineHarness h;
    h.folder.write("a.jar", "old");
    std::string response = okResponse(std::string(20000, 'z'));
    {
        testing_support::FileSizeLimit limit(4096);  // writes past 4 KiB fail as on a full disk
        h.run("http://h/a.jar", {response.substr(0, 3000), response.substr(3000)});
    }
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_EQ(h.files(), std::vector<std::string>{"a.jar"});
    EXPECT_EQ(h.file("a.jar"), "old");
}
#endif
