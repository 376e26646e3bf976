#include <gtest/gtest.h>

#include "EngineHarness.h"

using testing_support::EngineHarness;
using Events = std::vector<std::string>;

namespace {

const std::string kUrl = "https://cdn.test/objects/ab/abcdef";
const std::string kChunkedHead = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

// A harness whose transport speaks TLS and whose engine takes any framing.
struct TolerantHarness : EngineHarness {
    TolerantHarness() {
        transport.tls = true;
        engine.setTolerantFraming(true);
    }
};

std::vector<std::string> split(const std::string& text, size_t size) {
    std::vector<std::string> parts;
    for (size_t at = 0; at < text.size(); at += size)
        parts.push_back(text.substr(at, size));
    return parts;
}

}  // namespace

TEST(DownloadFraming, TolerantEngineSavesChunkedAndLengthlessAnswersInAnySplit) {
    const std::string body = std::string("binary\0\r\n0\r\n\r\n", 15) + std::string(300, 'b');
    const std::string chunked = kChunkedHead + "f\r\n" + body.substr(0, 15) +
                                "\r\n12c;sig=\"x\"\r\n" + body.substr(15) +
                                "\r\n0\r\nX-Trailer: t\r\n\r\n";
    struct Case {
        std::string label;
        std::string response;
        bool peerCloses;  // the answer ends only with the connection
    };
    const Case cases[] = {
        {"chunked", chunked, false},
        {"chunked with a Content-Length that lies",
         "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nTransfer-Encoding: chunked\r\n\r\n" +
             chunked.substr(kChunkedHead.size()),
         false},
        {"chunked, identity coding named",
         "HTTP/1.1 200 OK\r\nContent-Encoding: identity\r\n" + chunked.substr(17), false},
        {"no length, read to the close", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + body,
         true},
    };
    for (const Case& c : cases) {
        for (size_t step : {c.response.size(), size_t(1), size_t(2), size_t(13)}) {
            SCOPED_TRACE(c.label + ", batches of " + std::to_string(step));
            TolerantHarness h;
            h.run(kUrl, split(c.response, step));
            if (c.peerCloses) h.peerCloses();
            ASSERT_EQ(h.listener.ends(), Events{"done"}) << h.engine.lastEnd().reason;
            EXPECT_EQ(h.file("abcdef"), body);
            EXPECT_EQ(h.files(), std::vector<std::string>{"abcdef"});
        }
    }
}

TEST(DownloadFraming, BrokenOrCompressedAnswersEndWithAReasonAndNoFile) {
    struct Case {
        std::string label;
        std::string response;
        bool peerCloses;
        std::string event;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"truncated chunk", kChunkedHead + "10\r\nonly part", true, "failed", "断开"},
        {"last chunk missing", kChunkedHead + "3\r\nabc\r\n", true, "failed", "断开"},
        {"bad chunk size", kChunkedHead + "xyz\r\nabc\r\n", false, "error", "分块大小无效"},
        {"hostile extension", kChunkedHead + "3;\x1b[2J\r\nabc\r\n0\r\n\r\n", false, "error",
         "分块扩展无效"},
        {"chunk longer than its size", kChunkedHead + "2\r\nabc\r\n0\r\n\r\n", false, "error",
         "CR LF"},
        {"compressed anyway",
         "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 3\r\n\r\n\x1f\x8b\x08",
         false, "error", "gzip"},
        {"transfer coding it cannot undo",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n", false,
         "error", "gzip, chunked"},
    };
    for (const Case& c : cases) {
        for (size_t step : {c.response.size(), size_t(1)}) {
            SCOPED_TRACE(c.label + ", batches of " + std::to_string(step));
            TolerantHarness h;
            h.folder.write("abcdef", "the older copy");
            h.run(kUrl, split(c.response, step));
            if (c.peerCloses) h.peerCloses();
            ASSERT_EQ(h.listener.ends(), Events{c.event});
            EXPECT_NE(h.engine.lastEnd().reason.find(c.reasonPart), std::string::npos)
                << h.engine.lastEnd().reason;
            EXPECT_EQ(h.files(), std::vector<std::string>{"abcdef"});
            EXPECT_EQ(h.file("abcdef"), "the older copy");
        }
    }
}

TEST(DownloadFraming, OnlyTolerantRequestsAskForUncompressedContent) {
    for (bool tolerant : {false, true}) {
        EngineHarness h;
        h.engine.setTolerantFraming(tolerant);
        h.start("http://cdn.test/a.jar");
        const std::string& request = h.engine.requestText();
        ASSERT_TRUE(request.ends_with("\r\n\r\n"));
        EXPECT_EQ(request.find("Accept-Encoding"),
                  tolerant ? request.size() - 29 : std::string::npos);
    }
}

TEST(DownloadTls, HttpsConnectsEncryptedAndRefusesWhatWouldWeakenIt) {
    struct Case {
        std::string url;
        std::string proxy;
        std::vector<std::pair<std::string, uint16_t>> encrypted;
        std::vector<std::pair<std::string, uint16_t>> plain;
    };
    const Case cases[] = {
        {"https://cdn.test/a.jar", "", {{"cdn.test", 443}}, {}},
        {"HTTPS://cdn.test:8443/a.jar", "", {{"cdn.test", 8443}}, {}},
        {"http://cdn.test/a.jar", "", {}, {{"cdn.test", 80}}},
        {"https://cdn.test/a.jar", "127.0.0.1:3128", {}, {}},
    };
    for (const Case& c : cases) {
        EngineHarness h;
        h.transport.tls = true;
        h.engine.startDownload(c.url, h.folder.path(), !c.proxy.empty(), c.proxy);
        EXPECT_EQ(h.transport.encryptedConnects, c.encrypted) << c.url;
        EXPECT_EQ(h.transport.connects, c.plain) << c.url;
        if (c.encrypted.empty() && c.plain.empty()) {
            EXPECT_EQ(h.listener.ends(), Events{"error"});
        }
    }
}

TEST(DownloadTls, RedirectsStayEncryptedAndHandshakeFailuresAreErrors) {
    EngineHarness h;
    h.transport.tls = true;
    h.run("https://a.test/x.jar", {"HTTP/1.1 302 Found\r\nLocation: //b.test/y.jar\r\n\r\n"});
    ASSERT_EQ(h.transport.encryptedConnects.size(), 2u);
    EXPECT_EQ(h.transport.encryptedConnects[1].first, "b.test");
    h.engine.onConnected();
    h.feed({"HTTP/1.1 301 Moved\r\nLocation: http://c.test/z.jar\r\n\r\n"});
    EXPECT_EQ(h.listener.ends(), Events{"error"});
    EXPECT_NE(h.engine.lastEnd().reason.find("http://c.test/z.jar"), std::string::npos);
    EXPECT_TRUE(h.transport.connects.empty());
    EXPECT_TRUE(h.files().empty());

    EngineHarness refused;
    refused.transport.tls = true;
    refused.start("https://a.test/x.jar");
    refused.engine.onTlsFailure("The host name did not match");
    EXPECT_EQ(refused.listener.ends(), Events{"error"});
    EXPECT_NE(refused.engine.lastEnd().reason.find("The host name did not match"),
              std::string::npos);
    EXPECT_TRUE(refused.files().empty());
}
