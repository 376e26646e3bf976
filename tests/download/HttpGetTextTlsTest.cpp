#include <gtest/gtest.h>

#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "TlsFolderServer.h"
#include "download/HttpGetText.h"
#include "platform/curl/CurlHttpClient.h"

using testing_support::TempFolder;
using testing_support::TlsFolderServer;

namespace {

struct TrustCase {
    std::string label;
    const TlsFolderServer& server;
    std::string authorityFile;
    std::string reasonPart;  // empty: the document comes back
};

}  // namespace

TEST(HttpGetTextTls, TrustsTheSystemAndTheGivenAuthorityOnly) {
    if (!TlsFolderServer::available()) GTEST_SKIP() << "nginx or openssl missing";
    TempFolder site("tls 站点");
    site.write("版本/manifest.json", "{\"latest\":{}}");
    testing_support::TlsTrustServers servers(site.path());
    ASSERT_EQ(servers.problem(), "");
    const TrustCase cases[] = {
        {"our authority", servers.local, servers.local.caFile(), ""},
        {"system authorities only", servers.local, "", "certificate"},
        {"another authority", servers.local, servers.stranger.caFile(), "certificate"},
        {"certificate for another name", servers.otherName, servers.otherName.caFile(),
         "127.0.0.1"},
        {"authority file missing", servers.local, site.file("none.pem"), "none.pem"},
        {"authority file not PEM", servers.local, site.file("版本/manifest.json"), "manifest.json"},
    };
    for (const TrustCase& c : cases) {
        SCOPED_TRACE(c.label);
        platform::CurlHttpClient http;
        http.setCertificateAuthorityFile(c.authorityFile);
        std::string url = c.server.baseUrl() + "/%E7%89%88%E6%9C%AC/manifest.json";
        auto answer = download::fetchDocument(http, url);
        if (c.reasonPart.empty()) {
            ASSERT_TRUE(answer) << answer.reason();
            EXPECT_EQ(answer.value(), "{\"latest\":{}}");
        } else {
            ASSERT_FALSE(answer);
            EXPECT_NE(answer.reason().find(c.reasonPart), std::string::npos) << answer.reason();
        }
    }
}

TEST(HttpGetTextTls, AnUnreadableAuthorityFileDoesNotStopPlainHttp) {
    testing_support::LoopbackHttpServer plain([](const std::string&) {
        testing_support::ScriptedResponse r;
        r.batches = {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"};
        return r;
    });
    platform::CurlHttpClient http;
    http.setCertificateAuthorityFile("/nonexistent/ca.pem");
    auto answer = download::fetchDocument(http, plain.baseUrl() + "/x");
    ASSERT_TRUE(answer) << answer.reason();
    EXPECT_EQ(answer.value(), "ok");
}
