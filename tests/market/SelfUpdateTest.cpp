#include <gtest/gtest.h>

#include "LoopbackHttpServer.h"
#include "TestLauncher.h"
#include "market/SelfUpdate.h"
#include "platform/Sha256.h"

using platform::DialogAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using testing_support::exists;
using testing_support::LoopbackHttpServer;
using testing_support::readAll;
using testing_support::TestLauncher;

namespace {

struct SelfUpdateTest : ::testing::Test {
    TestLauncher launcher{"self update"};
    std::string page;
    LoopbackHttpServer server{[this](const std::string&) {
        testing_support::ScriptedResponse r;
        r.batches = {LoopbackHttpServer::response(200, page)};
        return r;
    }};
    std::string exe = launcher.folder.path() + "/vendrolupa";
    market::SelfUpdate update{launcher.context, exe};

    void SetUp() override { launcher.context.services.update = server.baseUrl(); }
    // Publishes a record and answers the question with `answer`; returns the check's task.
    std::optional<std::string> offer(const std::string& record,
                                     DialogAnswer answer = DialogAnswer::Yes) {
        page = "<p>更新：【" + record + "】</p>";
        launcher.dialogs.messageAnswers.push_back(answer);
        std::optional<market::QueueEntry> task = update.check("0.7.0");
        if (!task) return std::nullopt;
        // The record's address reaches the download control as written.
        EXPECT_TRUE(task->keepUrlAsWritten);
        return task->listText();
    }
    std::string script() const { return launcher.folder.path() + "/upd.sh"; }
};

}  // namespace

TEST_F(SelfUpdateTest, OwnVersionOrNoRecordAsksNothing) {
    for (const char* text :
         {"【0.7.0|http://h/new|m】", "no record", "【0.7.1|http://h/new】", "】0.7.1|u|m【"}) {
        page = text;
        EXPECT_EQ(update.check("0.7.0"), std::nullopt) << text;
    }
    launcher.context.services.update =
        "http://127.0.0.1:" + std::to_string(testing_support::unusedLoopbackPort());
    EXPECT_EQ(update.check("0.7.0"), std::nullopt);
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

TEST_F(SelfUpdateTest, OlderVersionIsOfferedAndYesGivesTheTaskIntoTheLauncherFolder) {
    EXPECT_EQ(offer("0.6.9|http://h/dl/new-0.6.9|第一行[vbcrlf]第二行"),
              "http://h/dl/new-0.6.9[下载到]" + launcher.folder.path());
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    const auto& question = launcher.dialogs.shown[0];
    EXPECT_EQ(question.text, "第一行\r\n第二行");
    EXPECT_EQ(question.title, "发现Vendrolupa新版本");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
}

TEST_F(SelfUpdateTest, NoQueuesNothingAndLeavesNothingToFinish) {
    EXPECT_EQ(offer("0.7.1|http://h/new|m", DialogAnswer::No), std::nullopt);
    launcher.folder.write("new", "binary");
    EXPECT_FALSE(update.finish());
    EXPECT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_TRUE(launcher.processes.started.empty());
}

TEST_F(SelfUpdateTest, RecordsThatCannotBeCarriedOutAreRefusedWithAMessage) {
    const std::string records[] = {
        "0.7.1|https://h/new|m",
        "0.7.1|ftp://h/new|m",
        "0.7.1|http://h/a&del x.exe|m",
        "0.7.1|http://h/dir/|m",
        "0.7.1|http://h/..|m",
        "0.7.1|http://h/.hidden|m",
        "0.7.1|http://h/VENDROLUPA|m",
        "0.7.1|http://h/upd.sh|m",
        "0.7.1|http://h/new|m|not-a-digest",
    };
    for (const std::string& record : records) {
        launcher.dialogs.shown.clear();
        EXPECT_EQ(offer(record), std::nullopt) << record;
        ASSERT_EQ(launcher.dialogs.shown.size(), 2u) << record;
        EXPECT_EQ(launcher.dialogs.shown[1].icon, MessageIcon::Warning);
        EXPECT_NE(launcher.dialogs.shown[1].text.find("启动器没有更新"), std::string::npos);
    }
}

TEST_F(SelfUpdateTest, FinishWritesTheScriptStartsItAndEndsTheLauncher) {
    const std::string binary = "new launcher bytes";
    // Upper-case digits in the record are accepted.
    std::string digest = platform::sha256Hex(binary);
    for (char& c : digest)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_TRUE(offer("0.7.1|http://h/dl/vendrolupa-0.7.1|m|" + digest));
    launcher.folder.write("vendrolupa-0.7.1", binary);

    EXPECT_TRUE(update.finish());
    EXPECT_TRUE(launcher.ended);
    ASSERT_EQ(launcher.processes.started.size(), 1u);
    EXPECT_EQ(launcher.processes.started[0].commandLine, "/bin/sh \"" + script() + "\"");
    EXPECT_EQ(launcher.processes.started[0].style, platform::WindowStyle::Hidden);
    EXPECT_EQ(launcher.processes.started[0].workingFolder, launcher.folder.path());
    EXPECT_NE(readAll(script()).find("mv -f -- '" + launcher.folder.path() +
                                     "/vendrolupa-0.7.1' \"$exe\""),
              std::string::npos);
}

TEST_F(SelfUpdateTest, EmptyMissingOrMismatchedDownloadIsRefusedAndRemoved) {
    struct Case {
        std::optional<std::string> file;
        std::string record;
        std::string reason;
    };
    const Case cases[] = {
        {std::nullopt, "0.7.1|http://h/new|m", "不存在或为空"},
        {"", "0.7.1|http://h/new|m", "不存在或为空"},
        {"tampered", "0.7.1|http://h/new|m|" + platform::sha256Hex("genuine"), "校验失败"},
    };
    for (const Case& c : cases) {
        launcher.dialogs.shown.clear();
        ASSERT_TRUE(offer(c.record)) << c.reason;
        if (c.file) launcher.folder.write("new", *c.file);
        EXPECT_FALSE(update.finish()) << c.reason;
        EXPECT_FALSE(launcher.ended);
        EXPECT_FALSE(exists(launcher.folder.path() + "/new"));
        EXPECT_FALSE(exists(script()));
        EXPECT_TRUE(launcher.processes.started.empty());
        ASSERT_EQ(launcher.dialogs.shown.size(), 2u);
        EXPECT_NE(launcher.dialogs.shown[1].text.find(c.reason), std::string::npos)
            << launcher.dialogs.shown[1].text;
        // The refused update is over: a second finish does nothing.
        EXPECT_FALSE(update.finish());
        EXPECT_EQ(launcher.dialogs.shown.size(), 2u);
    }
}

TEST_F(SelfUpdateTest, ScriptThatCannotStartLeavesTheOldLauncherRunning) {
    ASSERT_TRUE(offer("0.7.1|http://h/new|m"));
    launcher.folder.write("new", "binary");
    launcher.processes.failure = "没有 /bin/sh";
    EXPECT_FALSE(update.finish());
    EXPECT_FALSE(launcher.ended);
    EXPECT_FALSE(exists(script()));
    EXPECT_NE(launcher.dialogs.messageTexts().back().find("没有 /bin/sh"), std::string::npos);
}
