#include <gtest/gtest.h>

#include <functional>

#include "LaunchFixtures.h"
#include "LoopbackHttpServer.h"
#include "RecordingLaunchUi.h"
#include "TestLauncher.h"
#include "platform/CommandLine.h"

using launch_fixtures::RecordingLaunchUi;
using testing_support::LoopbackHttpServer;
using testing_support::TestLauncher;

namespace {

const char* kMain = "net.minecraft.launchwrapper.Launch";

// A launcher with "Steve", 1024 MB, a Java path with a blank and the version 1.7.10.
struct LaunchFixture {
    TestLauncher launcher{"启动 序列"};
    RecordingLaunchUi ui;
    std::vector<std::string> checked;

    LaunchFixture() {
        launcher.context.config.userName = "Steve";
        launcher.context.config.memoryMb = "1024";
        launcher.context.config.javaPath =
            launcher.folder.write("Java 运行时/bin/java", "#!/bin/sh\n");
        launch_fixtures::writeVersion(launcher.folder, "1.7.10",
                                      launch_fixtures::versionJson("1.7.10", kMain, {}));
        launcher.context.hooks.checkLibraries = [this](const std::string& id, const VersionFiles&) {
            checked.push_back(launcher.context.folders().versionFolder(id) + "|" + id);
            ui.calls.push_back("libraries");
        };
    }
    bool launch(const std::string& versionId = "1.7.10") {
        return runLaunchSequence(launcher.context, versionId, ui);
    }
    std::vector<std::string> startedWords() const {
        return platform::splitWindowsCommandLine(launcher.processes.started.at(0).commandLine);
    }
};

}  // namespace

TEST(LaunchSequence, OfflineLaunchStartsJavaInTheLauncherFolderAndEnds) {
    LaunchFixture f;
    const std::string l = f.launcher.folder.path();
    ASSERT_TRUE(f.launch());

    EXPECT_EQ(f.checked, (std::vector<std::string>{l + "/.minecraft/versions/1.7.10|1.7.10"}));
    EXPECT_EQ(f.ui.calls, (std::vector<std::string>{"market", "libraries", "overlay"}));
    ASSERT_EQ(f.launcher.processes.started.size(), 1u);
    const auto& started = f.launcher.processes.started[0];
    EXPECT_EQ(started.workingFolder, l);
    EXPECT_EQ(started.style, platform::WindowStyle::Normal);
    EXPECT_EQ(started.commandLine.substr(0, f.launcher.context.config.javaPath.size() + 3),
              "\"" + f.launcher.context.config.javaPath + "\" ");
    std::vector<std::string> words = f.startedWords();
    EXPECT_EQ(words[0], f.launcher.context.config.javaPath);
    EXPECT_EQ(words[1], "-Xmx1024m");
    EXPECT_EQ(words[4], "-Djava.library.path=.minecraft/native");
    EXPECT_EQ(words[7], kMain);
    EXPECT_EQ(words[8], "Steve");
    EXPECT_TRUE(f.launcher.ended);
    EXPECT_TRUE(f.launcher.dialogs.shown.empty());
}

TEST(LaunchSequence, OldLayoutVersionLaunchesThroughTheLegacyLine) {
    LaunchFixture f;
    f.launcher.folder.write(".minecraft/versions/b1.7.3/minecraft.jar", "PK");
    ASSERT_TRUE(f.launch("b1.7.3"));
    std::vector<std::string> words = f.startedWords();
    EXPECT_EQ(words[1], "-Xincgc");
    EXPECT_EQ(words.back(), "Steve");
    EXPECT_EQ(f.checked.size(), 1u);
}

TEST(LaunchSequence, TheCommandLineComesFromTheJsonReadBeforeTheLibraryCheck) {
    LaunchFixture f;
    // The JSON loses its main class while the libraries are checked: the launch goes on with the
    // description it checked, not a second reading of the file.
    f.launcher.context.hooks.checkLibraries = [&f](const std::string&, const VersionFiles&) {
        launch_fixtures::writeVersion(f.launcher.folder, "1.7.10",
                                      launch_fixtures::versionJson("1.7.10", "", {}));
    };
    ASSERT_TRUE(f.launch());
    EXPECT_EQ(f.startedWords().at(7), kMain);
    EXPECT_TRUE(f.launcher.dialogs.shown.empty());
}

TEST(LaunchSequence, SignInReplyGivesNameTokenAndProfile) {
    LoopbackHttpServer auth(LoopbackHttpServer::replyWith(LoopbackHttpServer::response(
        200,
        "{\"accessToken\":\"tok-42\",\"clientToken\":\"c\",\"selectedProfile\":"
        "{\"id\":\"0af3\",\"name\":\"Notch\"}}")));
    LaunchFixture f;
    f.launcher.context.services.auth = auth.baseUrl();
    f.launcher.context.config.password = "secret";
    ASSERT_TRUE(f.launch());

    ASSERT_EQ(auth.requests().size(), 1u);
    EXPECT_NE(auth.requests()[0].find("POST /authenticate"), std::string::npos);
    EXPECT_NE(auth.requests()[0].find("\"username\": \"Steve\",\"password\": \"secret\""),
              std::string::npos);
    std::string command = f.launcher.processes.started.at(0).commandLine;
    EXPECT_NE(command.find(std::string(kMain) +
                           " --username Notch --version 1.7.10 --gameDir .minecraft --assetsDir "
                           ".minecraft/assets --uuid 0af3 --assetIndex 1.7.10 --userProperties {} "
                           "--userType Legacy --accessToken tok-42"),
              std::string::npos)
        << command;
}

// The stored settings decide: without a stored password the launch goes offline, even with an
// authentication service that would answer.
TEST(LaunchSequence, WithoutAStoredPasswordNobodySignsIn) {
    LoopbackHttpServer auth(LoopbackHttpServer::replyWith(
        LoopbackHttpServer::response(200, "{\"accessToken\":\"tok-42\"}")));
    LaunchFixture f;
    f.launcher.context.services.auth = auth.baseUrl();
    ASSERT_TRUE(f.launch());
    EXPECT_TRUE(auth.requests().empty());
    EXPECT_EQ(f.startedWords().at(0), f.launcher.context.config.javaPath);
    EXPECT_EQ(f.launcher.processes.started.at(0).commandLine.find("tok-42"), std::string::npos);
}

TEST(LaunchSequence, ProblemsAreReportedAndTheLauncherStays) {
    struct Case {
        const char* what;
        std::function<void(LaunchFixture&)> arrange;
        const char* message;
        bool librariesChecked;
        const char* versionId = "1.7.10";
    };
    // Answers like the authentication service refusing the password.
    LoopbackHttpServer refusingAuth(LoopbackHttpServer::replyWith(LoopbackHttpServer::response(
        403,
        "{\"error\":\"ForbiddenOperationException\",\"errorMessage\":\"Invalid "
        "credentials.\"}")));
    const Case cases[] = {
        {"memory text", [](LaunchFixture& f) { f.launcher.context.config.memoryMb = "2G"; },
         "内存设置“2G”不是正整数", false},
        {"memory zero", [](LaunchFixture& f) { f.launcher.context.config.memoryMb = "0"; },
         "不是正整数", false},
        {"memory too big",
         [](LaunchFixture& f) { f.launcher.context.config.memoryMb = "4294967296"; }, "不是正整数",
         false},
        {"no java", [](LaunchFixture& f) { f.launcher.context.config.javaPath += "w"; },
         "找不到 Java 程序", false},
        {"java folder",
         [](LaunchFixture& f) {
             f.launcher.context.config.javaPath = f.launcher.folder.makeFolder("jdk");
         },
         "找不到 Java 程序", false},
        {"no version",
         [](LaunchFixture& f) { f.launcher.folder.makeFolder(".minecraft/versions/x"); },
         "无法启动版本“x”：找不到或无法读取它的描述文件", false, "x"},
        {"nothing chosen", [](LaunchFixture&) {}, "请先在版本列表中选择", false, ""},
        {"quote in version",
         [](LaunchFixture& f) {
             const char* id = "x\" -XX:OnError=\"touch owned";
             launch_fixtures::writeVersion(f.launcher.folder, id,
                                           launch_fixtures::versionJson(id, kMain, {}));
         },
         "含有双引号", false, "x\" -XX:OnError=\"touch owned"},
        {"no main class",
         [](LaunchFixture& f) {
             launch_fixtures::writeVersion(f.launcher.folder, "x",
                                           launch_fixtures::versionJson("x", "", {}));
         },
         "无法启动版本“x”：描述文件中没有主类", false, "x"},
        {"rejected sign-in",
         [&](LaunchFixture& f) {
             f.launcher.context.config.password = "secret";
             f.launcher.context.services.auth = refusingAuth.baseUrl();
         },
         "正版登录失败：验证服务器的回复中没有访问令牌", true},
        {"start fails",
         [](LaunchFixture& f) { f.launcher.processes.failure = "Permission denied"; },
         "无法启动游戏：Permission denied", true},
    };
    for (const Case& c : cases) {
        LaunchFixture f;
        c.arrange(f);
        EXPECT_FALSE(f.launch(c.versionId)) << c.what;
        ASSERT_EQ(f.launcher.dialogs.shown.size(), 1u) << c.what;
        EXPECT_NE(f.launcher.dialogs.shown[0].text.find(c.message), std::string::npos)
            << c.what << ": " << f.launcher.dialogs.shown[0].text;
        EXPECT_EQ(f.launcher.dialogs.shown[0].title, "Vendrolupa");
        EXPECT_EQ(f.ui.calls.back(), "restore") << c.what;
        EXPECT_EQ(f.checked.size(), c.librariesChecked ? 1u : 0u) << c.what;
        EXPECT_FALSE(f.launcher.ended) << c.what;
        // Only the failing start itself was tried.
        EXPECT_EQ(f.launcher.processes.started.size(),
                  f.launcher.processes.failure.empty() ? 0u : 1u)
            << c.what;
    }
}

TEST(LaunchSequence, SignInRepliesWithoutAnAccessTokenStartNothing) {
    const std::string replies[] = {
        LoopbackHttpServer::response(
            403,
            "{\"error\":\"ForbiddenOperationException\",\"errorMessage\":\"Invalid "
            "credentials. Invalid username or password.\"}"),
        LoopbackHttpServer::response(200, "{\"accessToken\":\"\",\"id\":\"x\"}"),
        LoopbackHttpServer::response(200, "{\"accessToken\":\"unterminated"),
        LoopbackHttpServer::response(500, ""),
    };
    for (const std::string& reply : replies) {
        LoopbackHttpServer auth(LoopbackHttpServer::replyWith(reply));
        LaunchFixture f;
        f.launcher.context.services.auth = auth.baseUrl();
        f.launcher.context.config.password = "secret";
        EXPECT_FALSE(f.launch()) << reply;
        EXPECT_TRUE(f.launcher.processes.started.empty()) << reply;
        EXPECT_EQ(f.launcher.dialogs.messageTexts().size(), 1u) << reply;
    }
}

TEST(LaunchSequence, ASignInWithoutConnectionNamesTheCause) {
    LaunchFixture f;
    f.launcher.context.services.auth = testing_support::unusedLoopbackUrl();
    f.launcher.context.config.password = "secret";
    EXPECT_FALSE(f.launch());
    EXPECT_TRUE(f.launcher.processes.started.empty());
    ASSERT_EQ(f.launcher.dialogs.messageTexts().size(), 1u);
    EXPECT_TRUE(
        f.launcher.dialogs.messageTexts()[0].starts_with("正版登录失败：无法连接验证服务器："))
        << f.launcher.dialogs.messageTexts()[0];
}

// The log holds the sign-in outcome and the command line, never the password or the token.
TEST(LaunchSequence, TheLogKeepsTheLaunchButNoSecret) {
    const std::string token = "tok-7f3a9c";
    const std::string password = "pa55-wörd";
    LoopbackHttpServer auth(LoopbackHttpServer::replyWith(LoopbackHttpServer::response(
        200, "{\"accessToken\":\"" + token +
                 "\",\"selectedProfile\":{\"id\":\"0af3\",\"name\":\"Notch\"}}")));
    LaunchFixture f;
    f.launcher.folder.makeFolder(".Vendrolupa_Data");
    f.launcher.context.log = platform::Log(f.launcher.context.dataFolder() + "/launcher.log");
    f.launcher.context.services.auth = auth.baseUrl();
    f.launcher.context.config.password = password;
    ASSERT_TRUE(f.launch());
    ASSERT_NE(f.launcher.processes.started.at(0).commandLine.find(token), std::string::npos);

    std::string log = testing_support::readAll(f.launcher.context.log.path());
    EXPECT_NE(log.find("正版登录（用户“Steve”）成功：玩家“Notch”"), std::string::npos) << log;
    EXPECT_NE(log.find("启动游戏：\"" + f.launcher.context.config.javaPath + "\" -Xmx1024m"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("--uuid 0af3"), std::string::npos) << log;
    EXPECT_NE(log.find("--accessToken ******"), std::string::npos) << log;
    EXPECT_EQ(log.find(token), std::string::npos) << log;
    EXPECT_EQ(log.find(password), std::string::npos) << log;
    EXPECT_EQ(log.find("pa55"), std::string::npos) << log;
}
