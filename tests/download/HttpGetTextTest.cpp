#include <gtest/gtest.h>

#include <chrono>

#include "LoopbackHttpServer.h"
#include "SystemHttpClient.h"
#include "download/HttpGetText.h"

using testing_support::LoopbackHttpServer;
using testing_support::ScriptedResponse;

namespace {

ScriptedResponse answer(const std::string& status, const std::string& body) {
    ScriptedResponse r;
    r.batches = {"HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
                 "\r\n\r\n" + body};
    return r;
}

}  // namespace

TEST(HttpGetText, ErrorPagesComeBackAsText) {
    const std::pair<std::string, std::string> cases[] = {
        {"200 OK", "{\"id\": \"1.8\"}"},
        {"404 Not Found", "<html>没有这个文件</html>"},
        {"500 Internal Server Error", "broken"},
        {"200 OK", ""},
    };
    testing_support::SystemHttpClient http;
    for (const auto& [status, body] : cases) {
        LoopbackHttpServer server([&](const std::string&) { return answer(status, body); });
        auto result = download::HttpGetText(http, server.baseUrl() + "/versions/versions.json");
        ASSERT_TRUE(result.ok()) << status;
        EXPECT_EQ(result->body, body) << status;
        EXPECT_EQ(result->status, std::stol(status)) << status;
    }
}

TEST(HttpGetText, SilentServerEndsAfterTheConfiguredTime) {
    LoopbackHttpServer server([](const std::string&) {
        ScriptedResponse r;
        r.silent = true;
        return r;
    });
    testing_support::SystemHttpClient http;
    auto started = std::chrono::steady_clock::now();
    auto result = download::HttpGetText(http, server.baseUrl() + "/", std::chrono::seconds(1));
    auto took = std::chrono::steady_clock::now() - started;
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.reason().empty());
    EXPECT_GE(took, std::chrono::milliseconds(900));
    EXPECT_LT(took, std::chrono::seconds(6));
}

TEST(HttpGetText, RefusedConnectionIsAnErrorValue) {
    testing_support::SystemHttpClient http;
    uint16_t port = testing_support::unusedLoopbackPort();
    auto result = download::HttpGetText(http, testing_support::loopbackUrl(port) + "/");
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.reason().find(std::to_string(port)), std::string::npos);
}

TEST(HttpGetText, EachCallIsAFreshRequest) {
    int served = 0;
    LoopbackHttpServer server([&](const std::string&) {
        ScriptedResponse r = answer("200 OK", "answer " + std::to_string(++served));
        r.after = ScriptedResponse::After::KeepOpen;
        return r;
    });
    testing_support::SystemHttpClient http;
    EXPECT_EQ(download::HttpGetText(http, server.baseUrl() + "/")->body, "answer 1");
    EXPECT_EQ(download::HttpGetText(http, server.baseUrl() + "/")->body, "answer 2");
    EXPECT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.connections(), 2);
}

TEST(HttpGetText, FollowsRedirectsLikeThePlatformRequest) {
    LoopbackHttpServer server([](const std::string& request) {
        if (LoopbackHttpServer::pathOf(request) == "/old")
            return answer("302 Found\r\nLocation: /new", "");
        return answer("200 OK", "moved here");
    });
    testing_support::SystemHttpClient http;
    EXPECT_EQ(download::HttpGetText(http, server.baseUrl() + "/old")->body, "moved here");
}
