#include <gtest/gtest.h>

#include "TlsFolderServer.h"
#include "XGTDLHarness.h"

using testing_support::ControlHarness;
using testing_support::TempFolder;
using testing_support::TlsFolderServer;

namespace {

// Bytes without "<", so that nginx's SSI pass (which turns an answer chunked or length-less)
// finds no command in them.
std::string bytesWithoutCommands(size_t size, unsigned seed) {
    std::string bytes = testing_support::patternBytes(size, seed);
    for (char& c : bytes)
        if (c == '<') c = '>';
    return bytes;
}

// nginx answers /chunked/ in chunks and /closed/ without a length, reading to the close.
const char* const kFramingLocations =
    "        location /chunked/ { ssi on; ssi_types *; }\n"
    "        location /closed/ { ssi on; ssi_types *; chunked_transfer_encoding off; }\n";

}  // namespace

TEST(XGTDLTls, DownloadsOnlyFromServersItTrusts) {
    if (!TlsFolderServer::available()) GTEST_SKIP() << "nginx or openssl missing";
    TempFolder site("tls-site");
    const std::string small = bytesWithoutCommands(70000, 1);
    const std::string large = bytesWithoutCommands(5 * 1024 * 1024 + 3, 2);
    site.write("files/small.jar", small);
    site.write("files/large.jar", large);
    site.write("files/empty.jar", "");
    testing_support::TlsTrustServers servers(site.path());
    ASSERT_EQ(servers.problem(), "");
    struct Case {
        std::string label;
        const TlsFolderServer& server;
        std::string authorityFile;
        std::string file;
        std::string expected;    // the saved content when the download is done
        std::string reasonPart;  // empty: done
    };
    const Case cases[] = {
        {"small", servers.local, servers.local.caFile(), "small.jar", small, ""},
        {"large", servers.local, servers.local.caFile(), "large.jar", large, ""},
        {"empty", servers.local, servers.local.caFile(), "empty.jar", "", ""},
        {"missing", servers.local, servers.local.caFile(), "none.jar", "", "404"},
        {"certificate for another name", servers.otherName, servers.otherName.caFile(), "small.jar",
         "", "TLS"},
        {"system authorities only", servers.local, "", "small.jar", "", "TLS"},
        {"another authority", servers.local, servers.stranger.caFile(), "small.jar", "", "TLS"},
        {"authority file missing", servers.local, site.file("none.pem"), "small.jar", "",
         "none.pem"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ControlHarness h;
        h.control.setCertificateAuthorityFile(c.authorityFile);
        std::string url = c.server.baseUrl() + "/files/" + c.file;
        std::string event = h.download(url, 30000);
        if (c.reasonPart.empty()) {
            ASSERT_EQ(event, "done") << h.control.lastEnd().reason;
            EXPECT_EQ(h.file(c.file), c.expected);
            EXPECT_EQ(h.files(), std::vector<std::string>{c.file});
        } else {
            EXPECT_EQ(event, "error");
            const std::string& reason = h.control.lastEnd().reason;
            EXPECT_NE(reason.find(c.reasonPart), std::string::npos) << reason;
            EXPECT_TRUE(h.files().empty());
        }
    }
}

TEST(XGTDLTls, TolerantFramingSavesChunkedAndLengthlessAnswers) {
    if (!TlsFolderServer::available()) GTEST_SKIP() << "nginx or openssl missing";
    TempFolder site("tls-framing");
    const std::string bytes = bytesWithoutCommands(3 * 1024 * 1024 + 11, 3);
    site.write("chunked/a.jar", bytes);
    site.write("closed/a.jar", bytes);
    TlsFolderServer server(site.path(), "127.0.0.1", {"", {}, kFramingLocations, "", ""});
    ASSERT_TRUE(server.running()) << server.problem();

    const std::tuple<std::string, bool, std::string> cases[] = {
        {"chunked", true, "done"},
        {"closed", true, "done"},
        {"chunked", false, "error"},
    };
    for (const auto& [location, tolerant, expected] : cases) {
        SCOPED_TRACE(location + (tolerant ? " tolerant" : " strict"));
        ControlHarness h;
        h.control.setCertificateAuthorityFile(server.caFile());
        h.control.setTolerantFraming(tolerant);
        ASSERT_EQ(h.download(server.baseUrl() + "/" + location + "/a.jar", 30000), expected)
            << h.control.lastEnd().reason;
        if (expected == "done") {
            EXPECT_EQ(h.file("a.jar"), bytes);
            EXPECT_EQ(h.files(), std::vector<std::string>{"a.jar"});
        } else {
            EXPECT_TRUE(h.files().empty());
        }
    }
}
