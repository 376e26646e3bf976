#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win32/WinHttpClient.h"

using namespace std::chrono_literals;

namespace {

// The loopback servers scripts/test-windows starts on Linux (tests/windows/loopback_http.py).
std::string port(const char* variable = "VENDROLUPA_LOOPBACK_PORT") {
    const char* value = std::getenv(variable);
    return value ? value : "";
}

std::string server(const char* scheme = "http",
                   const char* portVariable = "VENDROLUPA_LOOPBACK_PORT") {
    std::string number = port(portVariable);
    return number.empty() ? "" : std::string(scheme) + "://127.0.0.1:" + number;
}

const platform::HttpTimeouts kShort{1000ms, 1000ms, 1000ms, 1000ms};

TEST(WinHttpClient, BodiesWhateverTheStatusAndRedirectsForGet) {
    if (server().empty()) GTEST_SKIP() << "run through scripts/test-windows";
    struct Case {
        std::string path;
        long status;
        std::string body;
    };
    const Case cases[] = {
        {"/ok", 200, "好的 body"},
        {"/missing", 404, "没有这个文件"},
        {"/moved", 200, "好的 body"},
    };
    platform::WinHttpClient client;
    for (const Case& c : cases) {
        platform::Result<platform::HttpAnswer> response = client.get(server() + c.path, kShort);
        ASSERT_TRUE(response) << c.path << response.reason();
        EXPECT_EQ(response->status, c.status) << c.path;
        EXPECT_EQ(response->body, c.body) << c.path;
    }
}

TEST(WinHttpClient, PostSendsJsonAndIsNotRedirected) {
    if (server().empty()) GTEST_SKIP() << "run through scripts/test-windows";
    platform::WinHttpClient client;
    platform::Result<platform::HttpAnswer> echo =
        client.postJson(server() + "/echo", "{\"名\":1}", kShort);
    ASSERT_TRUE(echo) << echo.reason();
    EXPECT_EQ(echo->status, 200);
    EXPECT_EQ(echo->body, "application/json {\"名\":1}");
    platform::Result<platform::HttpAnswer> moved =
        client.postJson(server() + "/moved", "{}", kShort);
    ASSERT_TRUE(moved) << moved.reason();
    EXPECT_EQ(moved->status, 302);
}

TEST(WinHttpClient, ASilentServerTimesOutAndAClosedPortFails) {
    if (server().empty()) GTEST_SKIP() << "run through scripts/test-windows";
    platform::WinHttpClient client;
    platform::Result<platform::HttpAnswer> silent = client.get(server() + "/silent", kShort);
    EXPECT_FALSE(silent);
    EXPECT_EQ(silent.reason(), "连接超时 127.0.0.1:" + port());
    platform::Result<platform::HttpAnswer> closed = client.get("http://127.0.0.1:1/", kShort);
    EXPECT_FALSE(closed);
    EXPECT_EQ(closed.reason(), "无法连接到服务器 127.0.0.1:1");
}

TEST(WinHttpClient, HttpsSpeaksTlsAndRefusesACertificateNobodyTrusts) {
    std::string secure = server("https", "VENDROLUPA_LOOPBACK_TLS_PORT");
    if (secure.empty()) GTEST_SKIP() << "run through scripts/test-windows";
    platform::WinHttpClient client;
    for (const platform::Result<platform::HttpAnswer>& response :
         {client.get(secure + "/ok", kShort), client.postJson(secure + "/echo", "{}", kShort)}) {
        EXPECT_FALSE(response);
        EXPECT_EQ(response.reason(),
                  "安全连接（TLS）失败 127.0.0.1:" + port("VENDROLUPA_LOOPBACK_TLS_PORT"));
    }
}

}  // namespace
