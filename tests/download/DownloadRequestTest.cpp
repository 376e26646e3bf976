#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "EngineHarness.h"
#include "ScopedEnv.h"
#include "download/DownloadNames.h"
#include "download/DownloadUrl.h"

using download::DownloadTimer;
using testing_support::EngineHarness;
using testing_support::okResponse;
using Events = std::vector<std::string>;

namespace {

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

}  // namespace

TEST(DownloadRequest, ExactTextDirect) {
    EngineHarness h;
    h.start("http://mirror.test/libraries/a/b.jar");
    EXPECT_EQ(
        h.engine.requestText(),
        "GET /libraries/a/b.jar HTTP/1.1\r\n"
        "Host: mirror.test\r\n"
        "Connection: keep-alive\r\n"
        "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,*/*;q=0.8\r\n"
        "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like "
        "Gecko) Chrome/37.0.2041.4 Safari/537.36\r\n"
        "Accept-Language: zh-CN,zh;q=0.8\r\n"
        "\r\n");
    EXPECT_TRUE(h.transport.sent.empty());
    h.engine.onConnected();
    EXPECT_EQ(h.transport.sent, h.engine.requestText());
}

TEST(DownloadRequest, AddressesPortsAndProxy) {
    struct Case {
        std::string url;
        std::string proxy;  // empty: direct
        std::string connectHost;
        uint16_t connectPort;
        std::string requestLine;
        std::string hostLine;
    };
    const Case cases[] = {
        {"http://h.test/a/b.jar", "", "h.test", 80, "GET /a/b.jar HTTP/1.1", "Host: h.test"},
        {"http://h.test:8080/x", "", "h.test", 8080, "GET /x HTTP/1.1", "Host: h.test:8080"},
        {"http://h.test", "", "h.test", 80, "GET / HTTP/1.1", "Host: h.test"},
        {"HTTP://h.test/p?u=http://o/", "", "h.test", 80, "GET /p?u=http://o/ HTTP/1.1",
         "Host: h.test"},
        {"http://h.test/a b\r\nX: y/中", "", "h.test", 80,
         "GET /a%20b%0D%0AX:%20y/%E4%B8%AD HTTP/1.1", "Host: h.test"},
        {"http://h.test:81/a.jar", "10.0.0.1:3128", "10.0.0.1", 3128,
         "GET http://h.test:81/a.jar HTTP/1.1", "Host: h.test:81"},
    };
    for (const Case& c : cases) {
        EngineHarness h;
        h.engine.startDownload(c.url, h.folder.path(), !c.proxy.empty(), c.proxy);
        ASSERT_EQ(h.transport.connects.size(), 1u) << c.url;
        EXPECT_EQ(h.transport.connects[0].first, c.connectHost) << c.url;
        EXPECT_EQ(h.transport.connects[0].second, c.connectPort) << c.url;
        EXPECT_EQ(firstLine(h.engine.requestText()), c.requestLine) << c.url;
        std::string rest = h.engine.requestText().substr(c.requestLine.size() + 2);
        EXPECT_EQ(firstLine(rest), c.hostLine) << c.url;
    }
}

TEST(DownloadRequest, UnusableAddressesEndAtOnceWithoutConnecting) {
    const std::pair<std::string, std::string> cases[] = {
        {"https://h.test/a.jar", ""},  {"ftp://h.test/a.jar", ""},      {"http:///a.jar", ""},
        {"http://h.test:99999/a", ""}, {"http://h.test:x/a", ""},       {"", ""},
        {"http://h.test/a", "noport"}, {"http://h.test/a", "1.2.3.4:"},
    };
    for (const auto& [url, proxy] : cases) {
        EngineHarness h;
        h.engine.startDownload(url, h.folder.path(), !proxy.empty(), proxy);
        EXPECT_TRUE(h.transport.connects.empty()) << url << " " << proxy;
        EXPECT_EQ(h.listener.events, Events{"error"}) << url << " " << proxy;
        EXPECT_FALSE(h.engine.lastEnd().reason.empty());
    }
}

TEST(DownloadRequest, LocationsResolveAgainstTheCurrentUrl) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"http://a.test/x/y.jar", "http://b.test/z", "http://b.test/z"},
        {"http://a.test/x/y.jar", "//c.test/z", "http://c.test/z"},
        {"http://a.test:81/x/y.jar", "/root", "http://a.test:81/root"},
        {"http://a.test/x/y.jar?q=/w", "sib.jar", "http://a.test/x/sib.jar"},
        {"http://a.test", "p", "http://a.test/p"},
        {"http://a.test/x/", "https://s.test/", "https://s.test/"},
        {"http://a.test/x/y.jar", "/go?to=http://b.test/f", "http://a.test/go?to=http://b.test/f"},
        {"http://a.test/x/y.jar", "go?to=http://b.test/f", "http://a.test/x/go?to=http://b.test/f"},
    };
    for (const auto& [current, location, expected] : cases)
        EXPECT_EQ(download::resolveLocation(current, location), expected) << location;
}

TEST(DownloadNames, TargetNameFromUrlCustomOrContentDisposition) {
    struct Case {
        std::string url;
        std::string header;    // extra header lines
        std::string expected;  // empty: the download ends with an error
    };
    const Case cases[] = {
        {"http://h/d/", "Content-Disposition: attachment;filename=\"cd.jar\"\r\n", "cd.jar"},
        {"http://h/d/", "Content-Disposition: attachment; filename*=\"star.jar\"\r\n", "star.jar"},
        {"http://h/d/", "content-disposition: attachment;filename=\"low.jar\"\r\n", "low.jar"},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"中文.jar\"\r\n", "中文.jar"},
        // Names in the system code page, one with a "\\" as its second byte.
        {"http://h/d/", "Content-Disposition: attachment;filename=\"\xc4\xe3\xba\xc3.jar\"\r\n",
         "你好.jar"},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"\x81\x5c.jar\"\r\n", "乗.jar"},
        {"http://h/d/a.jar", "Content-Disposition: attachment;filename=\"cd.jar\"\r\n", "a.jar"},
        {"http://h/d/a.jar?v=1", "Content-Disposition: attachment;filename=\"s.jar\"\r\n", "s.jar"},
        {"http://h/d/a.jar?v=1", "", ""},
        {"http://h/d/", "", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"../evil.jar\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"..\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"sub/x.jar\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"C:\\x.jar\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"a\tb\"\r\n", ""},
        // Device names and names Windows would trim are unusable on either system.
        {"http://h/d/CON", "", ""},
        {"http://h/d/nul.jar", "Content-Disposition: attachment;filename=\"ok.jar\"\r\n", "ok.jar"},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"com1.tar.gz\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"Lpt9\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"aux .txt\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"PRN\"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"COM\xc2\xb2\"\r\n", ""},
        {"http://h/d/a.jar.", "", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"a.jar \"\r\n", ""},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"COM10.jar\"\r\n", "COM10.jar"},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"console.jar\"\r\n",
         "console.jar"},
        {"http://h/d/", "Content-Disposition: attachment;filename=\"com.jar\"\r\n", "com.jar"},
    };
    for (const Case& c : cases) {
        EngineHarness h;
        std::string inner = h.folder.makeFolder("in");
        h.engine.startDownload(c.url, inner);
        h.engine.onConnected();
        h.feed({okResponse("body", c.header)});
        std::vector<std::string> everything;
        for (const auto& e : std::filesystem::recursive_directory_iterator(h.folder.path()))
            everything.push_back(e.path().lexically_relative(h.folder.path()).string());
        if (c.expected.empty()) {
            EXPECT_EQ(h.listener.ends(), Events{"error"}) << c.url << c.header;
            EXPECT_EQ(everything, std::vector<std::string>{"in"}) << c.url << c.header;
        } else {
            EXPECT_EQ(h.listener.ends(), Events{"done"}) << c.url << c.header;
            EXPECT_EQ(testing_support::readAll(inner + "/" + c.expected), "body") << c.expected;
        }
    }
}

TEST(DownloadNames, CustomNameAndTrailingSeparators) {
    for (std::string suffix : {"", "/", "\\"}) {
        EngineHarness h;
        h.engine.startDownload("http://h/a.jar", h.folder.path() + suffix, false, "", "mine.bin");
        h.engine.onConnected();
        h.feed({okResponse("xyz")});
        EXPECT_EQ(h.file("mine.bin"), "xyz") << suffix;
    }
}

TEST(DownloadNames, RandomStringAndTempNameDrawFromTheOneGenerator) {
    testing_support::SequenceRandom sequence;
    sequence.draws = {0.0, 31.0 / 62, 0.9999999};
    EXPECT_EQ(download::RandomString(3, sequence), "Af9");

    testing_support::ScopedEnv utc("TZ", "UTC");
    tzset();
    sequence.draws.clear();
    auto at = std::chrono::system_clock::time_point(std::chrono::milliseconds(1'700'000'000'042));
    EXPECT_EQ(download::makeTempName(at, sequence), "20231114221320042-" + std::string(32, 'A'));

    // Two downloads in the same millisecond on one generator.
    EngineHarness h;
    testing_support::FakeTransport transport;
    testing_support::FakeTimers timers;
    testing_support::RecordingListener listener;
    download::DownloadEngine other(transport, timers, listener, h.clock, h.random);
    h.start("http://h/a.jar");
    other.startDownload("http://h/a.jar", h.folder.path());
    h.engine.onConnected();
    other.onConnected();
    EXPECT_NE(h.engine.tempName(), other.tempName());
    EXPECT_EQ(h.engine.tempName().size(), other.tempName().size());
}

TEST(DownloadRequest, RelativeLocationsLoseTheirDotSegments) {
    const std::pair<std::string, std::string> cases[] = {
        {"../d.bin", "http://a.test/x/d.bin"},
        {"./e/../f.bin?g=../h", "http://a.test/x/y/f.bin?g=../h"},
        {"../../../../top", "http://a.test/top"},
        {"..", "http://a.test/x/"},
    };
    for (const auto& [location, expected] : cases)
        EXPECT_EQ(download::resolveLocation("http://a.test/x/y/z.jar", location), expected);
}
