#include "mirror/Serve.h"

#include <gtest/gtest.h>

#include "MirrorProgram.h"
#include "NginxServer.h"
#include "TempFolder.h"

namespace {

using testing_support::TempFolder;

std::string get(const std::string& path, const std::string& extra = "") {
    return "GET " + path + " HTTP/1.1\r\nHost: mirror\r\n" + extra + "\r\n";
}

// A tree with a catalogue and a few files the launcher asks for.
class ServedMirror : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!testing_support::NginxServer::available()) GTEST_SKIP() << "nginx is not installed";
        tree_.write("versions/versions.json", catalogue_);
        tree_.write("libraries/g/a/1/a-1.jar", std::string(70000, 'j'));
        tree_.write("libraries/g/a/1/b-1.jar.part", "half");
        tree_.write(".vendrolupa-mirror/version_manifest_v2.json", "{}");
    }

    TempFolder tree_{"镜像 tree"};
    const std::string catalogue_ =
        "{\n  \"versions\": [\n    {\n      \"id\": \"1.12.2\",\n      \"type\": \"release\"\n"
        "    }\n  ]\n}\n" +
        std::string(4000, ' ');
};

TEST_F(ServedMirror, AnswersWithContentLengthUncompressedAndKeepsTheConnection) {
    mirror_test::ServedTree served(tree_.path());
    ASSERT_TRUE(served.running()) << served.output();
    std::string base = "http://127.0.0.1:" + std::to_string(served.port());
    EXPECT_EQ(served.servicesLines(),
              (std::vector<std::string>{"source=mirror", "mirror=" + base, "official=" + base,
                                        "files=" + base}));
    // Everything on one connection: the answers are framed by length, never chunked or
    // compressed even when the client would take it, and the connection stays open.
    std::vector<std::string> answers = mirror_test::answersOnOneConnection(
        served.port(), {get("/versions/versions.json", "Accept-Encoding: gzip, deflate\r\n"),
                        get("/libraries/g/a/1/a-1.jar"), get("/libraries/g/a/1/b-1.jar.part"),
                        get("/.vendrolupa-mirror/version_manifest_v2.json"), get("/versions/")});
    ASSERT_EQ(answers.size(), 5u);
    struct Expected {
        std::string status;
        std::string length;
    };
    const std::vector<Expected> expected = {
        {"HTTP/1.1 200 ", "Content-Length: " + std::to_string(catalogue_.size()) + "\r\n"},
        {"HTTP/1.1 200 ", "Content-Length: 70000\r\n"},
        {"HTTP/1.1 404 ", ""},
        {"HTTP/1.1 404 ", ""},
        {"HTTP/1.1 403 ", ""},  // no folder listing
    };
    for (size_t i = 0; i < answers.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string& answer = answers[i];
        std::string head = answer.substr(0, answer.find("\r\n\r\n"));
        EXPECT_EQ(answer.rfind(expected[i].status, 0), 0u) << head;
        if (!expected[i].length.empty()) {
            EXPECT_NE(answer.find(expected[i].length), std::string::npos) << head;
        }
        EXPECT_EQ(head.find("Transfer-Encoding"), std::string::npos) << head;
        EXPECT_EQ(head.find("Content-Encoding"), std::string::npos) << head;
        EXPECT_EQ(head.find("Connection: close"), std::string::npos) << head;
    }
    EXPECT_EQ(answers[0].substr(answers[0].find("\r\n\r\n") + 4), catalogue_);
}

TEST(Serve, RefusesAFolderThatIsNoMirrorTree) {
    TempFolder empty;
    testing_support::ProgramResult result =
        mirror_test::runMirror({"serve", "--tree", empty.path(), "--port", "1"});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.output.find("缺少 versions/versions.json"), std::string::npos)
        << result.output;
}

TEST(Serve, RefusesAPortOutOfRange) {
    for (const std::string port : {"0", "65536", "80x", "-1"}) {
        SCOPED_TRACE(port);
        testing_support::ProgramResult result =
            mirror_test::runMirror({"serve", "--tree", "/nowhere", "--port", port});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.output.find("--port"), std::string::npos) << result.output;
    }
}

}  // namespace
