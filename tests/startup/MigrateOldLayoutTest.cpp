#include <gtest/gtest.h>

#include "MigrationRun.h"
#include "TestLauncher.h"
#include "startup/MigrateOldLayout.h"

using platform::DialogAnswer;
using platform::PathStyle;
using testing_support::exists;
using testing_support::migrateForReal;
using testing_support::readAll;
using testing_support::TestLauncher;

namespace {

TEST(MigrationScriptTest, WindowsBatchCopiesThenRemovesOnlyAfterASuccessfulCopy) {
    EXPECT_EQ(migrationScriptLines("C:\\Games\\启动器", "1.5.2", PathStyle::windows()),
              (std::vector<std::string>{
                  "cmd.exe /c xcopy \"C:\\Games\\启动器\\.minecraft\\bin\" "
                  "\"C:\\Games\\启动器\\.minecraft\\versions\\1.5.2\\\"  /f /s /q",
                  "if not errorlevel 1 cmd.exe /c rd \"C:\\Games\\启动器\\.minecraft\\bin\" /s/q",
                  "del %0",
              }));
    EXPECT_EQ(migrationScriptName(PathStyle::windows()), "MoveOldVersion.bat");
    EXPECT_EQ(migrationCommandLine("C:\\L\\MoveOldVersion.bat", PathStyle::windows()),
              "cmd.exe /c \"C:\\L\\MoveOldVersion.bat\"");
}

TEST(MigrationScriptTest, PosixScriptQuotesPathsAndDeletesItself) {
    EXPECT_EQ(migrationScriptLines("/home/o'neil/启动器", "1.5.2", PathStyle::posix()),
              (std::vector<std::string>{
                  "#!/bin/sh",
                  "if mkdir -p '/home/o'\\''neil/启动器/.minecraft/versions/1.5.2' && cp -R "
                  "'/home/o'\\''neil/启动器/.minecraft/bin/.' "
                  "'/home/o'\\''neil/启动器/.minecraft/versions/1.5.2/'; then rm -rf "
                  "'/home/o'\\''neil/启动器/.minecraft/bin'; fi",
                  "rm -f -- \"$0\"",
              }));
    EXPECT_EQ(migrationScriptName(PathStyle::posix()), "MoveOldVersion.sh");
    EXPECT_EQ(migrationCommandLine("/a b/MoveOldVersion.sh", PathStyle::posix()),
              "/bin/sh \"/a b/MoveOldVersion.sh\"");
}

TEST(MigrationScriptTest, VersionNamesThatWouldLeaveTheVersionsFolderAreRefused) {
    for (const char* good : {"1.5.2", "旧版本", "my version", "a.b-c_d"})
        EXPECT_EQ(versionNameProblem(good), "") << good;
    for (const char* bad :
         {"", ".", "..", "../x", "a/b", "a\\b", "x..y", "a:b", "a\"b", "50%", "a*", "tab\there"})
        EXPECT_NE(versionNameProblem(bad), "") << bad;
}

struct MigrateOldLayoutTest : ::testing::Test {
    TestLauncher launcher{"迁移 test"};
    std::string game() const { return launcher.context.folders().root(); }
    std::string script() const { return launcher.folder.path() + "/MoveOldVersion.sh"; }
    void makeOldLayout() {
        launcher.folder.write(".minecraft/bin/minecraft.jar", "jar");
        launcher.folder.write(".minecraft/bin/lwjgl.jar", "lwjgl");
        launcher.folder.write(".minecraft/bin/natives/liblwjgl.so", "native");
    }
};

TEST_F(MigrateOldLayoutTest, WithoutOldJarNothingIsAsked) {
    launcher.folder.makeFolder(".minecraft/bin");
    MigrateOldLayout(launcher.context);
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

TEST_F(MigrateOldLayoutTest, NoCancelEmptyOrBadNamesChangeNothingOnDisk) {
    makeOldLayout();
    struct Case {
        DialogAnswer answer;
        std::optional<std::string> name;
        size_t dialogs;
    };
    const Case cases[] = {{DialogAnswer::No, std::nullopt, 1},
                          {DialogAnswer::Yes, std::nullopt, 2},
                          {DialogAnswer::Yes, std::string(""), 3},
                          {DialogAnswer::Yes, std::string("../outside"), 3}};
    for (const Case& c : cases) {
        launcher.dialogs.shown.clear();
        launcher.dialogs.messageAnswers = {c.answer};
        launcher.dialogs.inputAnswers = {c.name};
        MigrateOldLayout(launcher.context);
        EXPECT_EQ(launcher.dialogs.shown.size(), c.dialogs);
        EXPECT_EQ(launcher.dialogs.shown[0].text, "Vendrolupa检测到有旧版本的启动文件 是否迁移？");
        if (c.dialogs > 1) {
            EXPECT_EQ(launcher.dialogs.shown[1].text, "请输入要保存为的版本名");
        }
        EXPECT_TRUE(launcher.processes.started.empty());
        EXPECT_FALSE(exists(script()));
        EXPECT_TRUE(exists(game() + "/bin/minecraft.jar"));
    }
}

TEST_F(MigrateOldLayoutTest, WritesTheScriptAndStartsItHiddenWithoutWaiting) {
    makeOldLayout();
    launcher.dialogs.messageAnswers = {DialogAnswer::Yes};
    launcher.dialogs.inputAnswers = {std::string("1.5.2")};
    MigrateOldLayout(launcher.context);
    ASSERT_EQ(launcher.processes.started.size(), 1u);
    EXPECT_EQ(launcher.processes.started[0].commandLine, "/bin/sh \"" + script() + "\"");
    EXPECT_EQ(launcher.processes.started[0].style, platform::WindowStyle::Hidden);
    EXPECT_NE(readAll(script()).find("/.minecraft/versions/1.5.2"), std::string::npos);
}

TEST_F(MigrateOldLayoutTest, AFailedStartIsReportedAndLeavesNoScript) {
    makeOldLayout();
    launcher.processes.failure = "no shell";
    launcher.dialogs.messageAnswers = {DialogAnswer::Yes};
    launcher.dialogs.inputAnswers = {std::string("1.5.2")};
    MigrateOldLayout(launcher.context);
    ASSERT_EQ(launcher.dialogs.shown.size(), 3u);
    EXPECT_NE(launcher.dialogs.shown[2].text.find("no shell"), std::string::npos);
    EXPECT_FALSE(exists(script()));
}

// The Windows build runs MoveOldVersion.bat for real in tests/windows.
#ifndef _WIN32
TEST_F(MigrateOldLayoutTest, TheRealScriptMovesTheOldTreeIntoTheVersionFolder) {
    makeOldLayout();
    ASSERT_TRUE(migrateForReal(launcher, "1.5.2", PathStyle::posix()));
    std::string version = game() + "/versions/1.5.2";
    EXPECT_EQ(readAll(version + "/minecraft.jar"), "jar");
    EXPECT_EQ(readAll(version + "/lwjgl.jar"), "lwjgl");
    EXPECT_EQ(readAll(version + "/natives/liblwjgl.so"), "native");
    EXPECT_FALSE(exists(game() + "/bin"));
}

TEST_F(MigrateOldLayoutTest, AFailedCopyKeepsTheOldFolderAndStillRemovesTheScript) {
    makeOldLayout();
    launcher.folder.write(".minecraft/versions/1.5.2", "a file where the folder should go");
    ASSERT_TRUE(migrateForReal(launcher, "1.5.2", PathStyle::posix()));
    EXPECT_EQ(readAll(game() + "/bin/minecraft.jar"), "jar");
    EXPECT_EQ(readAll(game() + "/bin/natives/liblwjgl.so"), "native");
}
#endif

}  // namespace
