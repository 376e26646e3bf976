#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "LoopbackHttpServer.h"
#include "ScopedEnv.h"
#include "TestLauncher.h"
#include "account/QueryMemory.h"
#include "account/qt/frmsetting.h"
#include "platform/CodePage.h"

using platform::DialogAnswer;
using platform::MessageIcon;
using testing_support::LoopbackHttpServer;
using testing_support::readAll;
using testing_support::TestLauncher;

namespace {

using testing_support::ScopedEnv;

struct FrmSettingTest : ::testing::Test {
    TestLauncher launcher{"设置 window"};
    std::vector<uint32_t> colours;
    std::string java;
    FrmSettingTest() {
        launcher.context.hooks.applyTheme = [this](uint32_t c) { colours.push_back(c); };
        java = launcher.folder.write("jdk/bin/java", "#!/bin/sh\n");
        chmod(java.c_str(), 0755);
    }
    std::unique_ptr<frmsetting> open() {
        auto window = std::make_unique<frmsetting>(launcher.context);
        window->show();
        return window;
    }
    static QLineEdit* edit(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name); }
    static QPushButton* button(QWidget* w, const char* name) {
        return w->findChild<QPushButton*>(name);
    }
    static QString text(QWidget* w, const char* name) { return edit(w, name)->text(); }
    std::string configFile() const {
        return launcher.folder.path() + "/.Vendrolupa_Data/config.ini";
    }
    void fill(QWidget* w, const QString& user, const QString& memory, const QString& javaPath) {
        edit(w, "txtUserName")->setText(user);
        edit(w, "txtMemory")->setText(memory);
        edit(w, "txtjavahome")->setText(javaPath);
    }
};

TEST_F(FrmSettingTest, OpeningFillsTheFieldsFromTheSettingsAndCreatesTheDataFolder) {
    launcher.context.config = {"玩家", "1.5", "/opt/java", "secret", "GREEN"};
    auto window = open();
    EXPECT_EQ(window->windowTitle(), "配置");
    EXPECT_TRUE(testing_support::exists(launcher.folder.path() + "/.Vendrolupa_Data"));
    EXPECT_EQ(text(window.get(), "txtUserName"), "玩家");
    EXPECT_EQ(text(window.get(), "txtMemory"), "2");
    EXPECT_EQ(text(window.get(), "txtjavahome"), "/opt/java");
    EXPECT_TRUE(window->findChild<QCheckBox*>("chkEna_zlg")->isChecked());
    EXPECT_TRUE(edit(window.get(), "txtpassword")->isEnabled());
    EXPECT_EQ(text(window.get(), "txtpassword"), "secret");
    EXPECT_TRUE(button(window.get(), "btntstlogin")->isEnabled());
    EXPECT_TRUE(window->findChild<QRadioButton*>("optgreen")->isChecked());
    EXPECT_FALSE(window->findChild<QRadioButton*>("optgray")->isChecked());
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

TEST_F(FrmSettingTest, EmptyOrUnknownValuesKeepTheInitialState) {
    for (const char* theme : {"", "pink", "grey"}) {
        launcher.context.config = {"", "lots", "", "", theme};
        auto window = open();
        EXPECT_EQ(text(window.get(), "txtMemory"), "1024");
        EXPECT_FALSE(window->findChild<QCheckBox*>("chkEna_zlg")->isChecked());
        EXPECT_FALSE(edit(window.get(), "txtpassword")->isEnabled());
        EXPECT_FALSE(button(window.get(), "btntstlogin")->isEnabled());
        EXPECT_TRUE(window->findChild<QRadioButton*>("optgray")->isChecked()) << theme;
    }
}

TEST_F(FrmSettingTest, FirstRunProposesJavaAndHalfTheMemory) {
    ScopedEnv home("JAVA_HOME", launcher.folder.path() + "/jdk");
    launcher.context.firstRun = true;
    auto window = open();
    EXPECT_EQ(text(window.get(), "txtjavahome").toStdString(), java);
    EXPECT_EQ(text(window.get(), "txtMemory").toStdString(), std::to_string(QueryMemory(0, 1) / 2));
}

TEST_F(FrmSettingTest, WithoutJarAssociationTheJavaFieldStaysEmpty) {
    ScopedEnv home("JAVA_HOME", "");
    ScopedEnv path("PATH", launcher.folder.path() + "/nowhere");
    launcher.context.firstRun = true;
    launcher.context.config.javaPath = "/stored/java";
    auto window = open();
    EXPECT_EQ(text(window.get(), "txtjavahome"), "");
    edit(window.get(), "txtjavahome")->setText("typed");
    button(window.get(), "btnautojava")->click();
    EXPECT_EQ(text(window.get(), "txtjavahome"), "");
}

TEST_F(FrmSettingTest, AutoDetectFillsTheJavaFieldOutsideTheFirstRun) {
    ScopedEnv home("JAVA_HOME", launcher.folder.path() + "/jdk");
    auto window = open();
    EXPECT_EQ(text(window.get(), "txtjavahome"), "");
    button(window.get(), "btnautojava")->click();
    EXPECT_EQ(text(window.get(), "txtjavahome").toStdString(), java);
}

TEST_F(FrmSettingTest, TheTickBoxFollowsThePasswordBoxState) {
    launcher.context.config.password = "pw";
    auto window = open();
    auto* tick = window->findChild<QCheckBox*>("chkEna_zlg");
    tick->click();
    EXPECT_FALSE(tick->isChecked());
    EXPECT_FALSE(edit(window.get(), "txtpassword")->isEnabled());
    EXPECT_EQ(text(window.get(), "txtpassword"), "");
    EXPECT_FALSE(button(window.get(), "btntstlogin")->isEnabled());
    tick->click();
    EXPECT_TRUE(edit(window.get(), "txtpassword")->isEnabled());
    EXPECT_TRUE(button(window.get(), "btntstlogin")->isEnabled());
}

TEST_F(FrmSettingTest, SavingWritesTheFileReloadsAndCloses) {
    launcher.context.config.password = "pw";
    auto window = open();
    fill(window.get(), "中", "1.5", QString::fromStdString(java));
    window->findChild<QCheckBox*>("chkEna_zlg")->click();  // unticked: empty password line
    button(window.get(), "btnApply")->click();
    // The path holds Chinese too: it is stored in the code page like every other line.
    EXPECT_EQ(readAll(configFile()),
              "\xD6\xD0\r\n1.5\r\n" + platform::toCodePage(java) + "\r\n\r\ngray\r\n");
    EXPECT_EQ(launcher.context.config.userName, "中");
    EXPECT_EQ(colours, std::vector<uint32_t>{0x525252});
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_EQ(launcher.dialogs.shown[0].text, "设置保存成功!");
    EXPECT_EQ(launcher.dialogs.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(launcher.context.setupDone);
}

TEST_F(FrmSettingTest, SavingTwiceFollowsTheLastTheme) {
    for (const char* option : {"optpurple", "optorange"}) {
        auto window = open();
        fill(window.get(), "steve", "1024", QString::fromStdString(java));
        window->findChild<QRadioButton*>(option)->click();
        button(window.get(), "btnApply")->click();
    }
    EXPECT_EQ(colours, (std::vector<uint32_t>{0x400040, 0xCA5A09}));
    EXPECT_EQ(launcher.context.config.themeName, "orange");
}

TEST_F(FrmSettingTest, AFailedCheckShowsItsMessageAndWritesNothing) {
    auto window = open();
    fill(window.get(), "steve", "-3", QString::fromStdString(java));
    button(window.get(), "btnApply")->click();
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_EQ(launcher.dialogs.shown[0].text, "内存大小不是一个正整数。");
    EXPECT_EQ(launcher.dialogs.shown[0].title, "修改你的凭据");
    EXPECT_EQ(launcher.dialogs.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(testing_support::exists(configFile()));
}

TEST_F(FrmSettingTest, ASaveThatCannotBeWrittenIsReportedAndTheWindowStays) {
    launcher.context.firstRun = true;
    auto window = open();
    // The data folder replaced by a file: nothing can be written below it.
    std::filesystem::remove_all(launcher.folder.path() + "/.Vendrolupa_Data");
    launcher.folder.write(".Vendrolupa_Data", "not a folder");
    fill(window.get(), "steve", "1024", QString::fromStdString(java));
    launcher.dialogs.shown.clear();
    button(window.get(), "btnApply")->click();
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_EQ(launcher.dialogs.shown[0].title, "保存失败");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(colours.empty());
    EXPECT_FALSE(launcher.context.setupDone);
    EXPECT_TRUE(launcher.context.firstRun);
}

TEST_F(FrmSettingTest, FirstRunSaveSetsSetupDoneWithoutAsking) {
    launcher.context.firstRun = true;
    auto window = open();
    fill(window.get(), "steve", "2048", QString::fromStdString(java));
    launcher.dialogs.shown.clear();
    button(window.get(), "btnApply")->click();
    EXPECT_EQ(launcher.dialogs.messageTexts(), std::vector<std::string>{"设置保存成功!"});
    EXPECT_TRUE(launcher.context.setupDone);
    EXPECT_FALSE(launcher.context.firstRun);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FrmSettingTest, ClosingTheFirstRunAsksAndOnlyNoLetsGo) {
    launcher.context.firstRun = true;
    launcher.context.setupDone = true;
    auto window = open();
    launcher.dialogs.shown.clear();
    launcher.dialogs.messageAnswers = {DialogAnswer::Yes, DialogAnswer::No};
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_EQ(launcher.dialogs.shown[0].title, "是否继续配置？");
    EXPECT_EQ(launcher.dialogs.shown[0].text,
              "必须完成初始配置。您可以按“否”关闭 "
              "Vendrolupa，在以后的时间完成配置，也可以按“是”继续配置。");
    EXPECT_EQ(launcher.dialogs.shown[0].buttons, platform::MessageButtons::YesNo);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(launcher.context.setupDone);
}

TEST_F(FrmSettingTest, ClosingOutsideTheFirstRunAsksNothing) {
    auto window = open();
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

TEST_F(FrmSettingTest, TestSignInShowsTokenOrWhyItFailed) {
    const std::string token =
        R"({"accessToken":"abc","selectedProfile":{"id":"77","name":"Steve"}})";
    const std::string rejected = R"({"error":"ForbiddenOperationException"})";
    std::string closedPort;
    {
        LoopbackHttpServer gone(LoopbackHttpServer::replyWith(""));
        closedPort = gone.baseUrl();
    }
    LoopbackHttpServer ok(LoopbackHttpServer::replyWith(LoopbackHttpServer::response(200, token)));
    LoopbackHttpServer forbidden(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(403, rejected)));
    struct Case {
        std::string base, title, text;
    };
    const Case cases[] = {
        {ok.baseUrl(), "测试登录成功", "accessToken=abc\r\nid=77"},
        {forbidden.baseUrl(), "测试登录失败", rejected},
        {closedPort, "测试登录失败", "没有收到"},
    };
    launcher.context.config = {"steve", "1024", "", "pw", ""};
    auto window = open();
    for (const Case& c : cases) {
        launcher.context.services.auth = c.base;
        launcher.dialogs.shown.clear();
        button(window.get(), "btntstlogin")->click();
        ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
        EXPECT_EQ(launcher.dialogs.shown[0].title, c.title);
        EXPECT_NE(launcher.dialogs.shown[0].text.find(c.text), std::string::npos)
            << launcher.dialogs.shown[0].text;
    }
    ASSERT_EQ(ok.requests().size(), 1u);
    EXPECT_TRUE(
        ok.requests()[0].ends_with(R"("username": "steve","password": "pw","requestUser":true})"));
}

TEST_F(FrmSettingTest, RandomNameBrowseAndMemoryButtonsFillTheirFields) {
    auto window = open();
    launcher.random.draws = {0.9, 0.0, 0.0, 0.1};
    button(window.get(), "btnrandomname")->click();
    EXPECT_EQ(text(window.get(), "txtUserName"), "creeper555");

    launcher.clock.tick = 0;
    launcher.dialogs.fileAnswers = {"", "/usr/lib/jvm/bin/java"};  // first: back at once
    button(window.get(), "btnbrowsejava")->click();
    EXPECT_EQ(text(window.get(), "txtjavahome"), "/usr/lib/jvm/bin/java");
    ASSERT_FALSE(launcher.dialogs.fileRequests.empty());
    EXPECT_EQ(launcher.dialogs.fileRequests[0].title, "选择 Java 的路径");
    EXPECT_EQ(launcher.dialogs.fileRequests[0].filter,
              "java|java|javaw.exe|javaw.exe|java.exe|java.exe");
    button(window.get(), "btnbrowsejava")->click();  // cancelled: the field empties
    EXPECT_EQ(text(window.get(), "txtjavahome"), "");

    button(window.get(), "btnsysmemory")->click();
    EXPECT_EQ(text(window.get(), "txtMemory").toStdString(), std::to_string(QueryMemory(0, 1) / 2));
}

}  // namespace
