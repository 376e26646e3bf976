#include <gtest/gtest.h>

#include "LoopbackHttpServer.h"
#include "XGTDLHarness.h"

using testing_support::ControlHarness;
using testing_support::LoopbackHttpServer;
using testing_support::ScriptedResponse;
using After = ScriptedResponse::After;

namespace {

ScriptedResponse scripted(std::vector<std::string> batches, After after, int delayMs = 30) {
    ScriptedResponse r;
    r.batches = std::move(batches);
    r.after = after;
    r.delayMs = delayMs;
    return r;
}

}  // namespace

TEST(XGTDLScripted, HeaderSplitAcrossDelayedBatchesOnAKeptConnection) {
    std::string body = testing_support::patternBytes(200000, 1) + " 302 location: x";
    std::string length = std::to_string(body.size());
    LoopbackHttpServer server([&](const std::string&) {
        return scripted({"HTTP/1.1 200 OK\r\nConte", "nt-Length: " + length + "\r", "\n\r\n",
                         body.substr(0, 1000), body.substr(1000)},
                        After::KeepOpen);
    });
    ControlHarness h;
    EXPECT_EQ(h.download(server.baseUrl() + "/dir/data.bin"), "done");
    EXPECT_EQ(h.file("data.bin"), body);
    EXPECT_EQ(h.files(), std::vector<std::string>{"data.bin"});
    ASSERT_FALSE(h.progress.empty());
    EXPECT_EQ(h.progress.front(), std::make_tuple(0, int32_t(body.size()), 0));
    EXPECT_EQ(h.progress.back(), std::make_tuple(int32_t(body.size()), int32_t(body.size()), 0));
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].substr(0, 33), "GET /dir/data.bin HTTP/1.1\r\nHost:");
}

TEST(XGTDLScripted, ServerWithoutLengthClosingAfterTheBody) {
    LoopbackHttpServer server([](const std::string&) {
        return scripted({"HTTP/1.0 200 OK\r\n\r\npart one,", " part two"}, After::Close);
    });
    ControlHarness h;
    EXPECT_EQ(h.download(server.baseUrl() + "/a.txt"), "done");
    EXPECT_EQ(h.file("a.txt"), "part one, part two");
}

TEST(XGTDLScripted, EndsOfDownloadsThatCannotSucceed) {
    struct Case {
        const char* name;
        ScriptedResponse response;
        std::string expected;
    };
    std::vector<Case> cases = {
        {"reset mid-body",
         scripted({"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n", "some"}, After::Reset),
         "failed"},
        {"closed mid-body",
         scripted({"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n", "some"}, After::Close),
         "failed"},
        {"not found",
         scripted({"HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nno!"}, After::KeepOpen),
         "error"},
        {"chunked",
         scripted({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n"},
                  After::KeepOpen),
         "error"},
    };
    for (const Case& c : cases) {
        LoopbackHttpServer server([&](const std::string&) { return c.response; });
        ControlHarness h;
        h.folder.write("a.jar", "old");
        EXPECT_EQ(h.download(server.baseUrl() + "/a.jar"), c.expected) << c.name;
        EXPECT_EQ(h.files(), std::vector<std::string>{"a.jar"}) << c.name;
        EXPECT_EQ(h.file("a.jar"), "old") << c.name;
        EXPECT_FALSE(h.control.lastEnd().reason.empty()) << c.name;
    }
}

TEST(XGTDLScripted, RefusedConnectionFails) {
    ControlHarness h;
    uint16_t port = testing_support::unusedLoopbackPort();
    EXPECT_EQ(h.download("http://127.0.0.1:" + std::to_string(port) + "/a.jar"), "failed");
}

// The host reads why the download ended from inside the event; the log keeps the same.
TEST(XGTDLScripted, TheEndOfEachDownloadIsReadableAndLogged) {
    LoopbackHttpServer server([&](const std::string& request) {
        if (LoopbackHttpServer::pathOf(request) == "/ok.jar")
            return scripted({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"}, After::KeepOpen);
        return scripted({"HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nno!"},
                        After::KeepOpen);
    });
    testing_support::TempFolder data("日志");
    ControlHarness h;
    h.control.setLog(platform::Log(data.file("launcher.log")));
    download::DownloadEnd seen;
    h.control.下载错误 = [&] {
        seen = h.control.lastEnd();
        h.events.push_back("error");
    };
    const std::string missing = server.baseUrl() + "/missing.jar";
    ASSERT_EQ(h.download(missing), "error");
    EXPECT_EQ(seen.url, missing);
    EXPECT_EQ(seen.file, h.folder.path() + "/missing.jar");
    EXPECT_EQ(seen.status, 404);
    EXPECT_NE(seen.reason.find("404"), std::string::npos) << seen.reason;
    ASSERT_EQ(h.download(server.baseUrl() + "/ok.jar"), "done");
    EXPECT_EQ(h.control.lastEnd().reason, "");

    std::string log = testing_support::readAll(data.path() + "/launcher.log");
    EXPECT_NE(log.find("下载错误：" + missing + " → " + seen.file + "，状态 404，" + seen.reason),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("下载完毕：" + server.baseUrl() + "/ok.jar → " + h.folder.path() +
                       "/ok.jar，状态 200\r\n"),
              std::string::npos)
        << log;
}

TEST(XGTDLScripted, StopEndsQuietlyAndRestartStartsOver) {
    std::string body = testing_support::patternBytes(50000, 2);
    LoopbackHttpServer server([&](const std::string&) {
        return scripted({"HTTP/1.1 200 OK\r\nContent-Length: 50000\r\n\r\n", body.substr(0, 10),
                         body.substr(10)},
                        After::KeepOpen, 400);
    });
    ControlHarness h;
    h.control.下载文件(server.baseUrl() + "/s.bin", h.folder.path());
    ASSERT_TRUE(testing_support::spinUntil([&] { return !h.progress.empty(); }));
    ASSERT_EQ(h.files().size(), 1u);  // the temporary file
    h.control.停止下载();
    testing_support::spinUntil([] { return false; }, 700);
    EXPECT_TRUE(h.events.empty());
    EXPECT_TRUE(h.files().empty());

    h.control.下载文件(server.baseUrl() + "/s.bin", h.folder.path());
    ASSERT_TRUE(testing_support::spinUntil([&] { return h.progress.size() > 2; }));
    h.control.重新下载();
    ASSERT_TRUE(testing_support::spinUntil([&] { return !h.events.empty(); }));
    EXPECT_EQ(h.events, std::vector<std::string>{"done"});
    EXPECT_EQ(h.file("s.bin"), body);
    EXPECT_EQ(server.requests().size(), 3u);
}
