#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include "FileSizeLimit.h"
#endif
#include "TestLauncher.h"
#include "startup/SettingsFile.h"
#include "startup/Theme.h"

using testing_support::readAll;
using testing_support::TestLauncher;

namespace {

struct SettingsFileTest : ::testing::Test {
    TestLauncher launcher{"settings 设置"};
    std::vector<uint32_t> colours;
    SettingsFileTest() {
        launcher.context.hooks.applyTheme = [this](uint32_t colour) { colours.push_back(colour); };
    }
    std::string path() const { return settingsFilePath(launcher.context); }
    void writeRaw(const std::string& bytes) {
        launcher.folder.write(".Vendrolupa_Data/config.ini", bytes);
    }
};

TEST_F(SettingsFileTest, WritesFiveCodePageLinesEachEndingCrLf) {
    launcher.folder.makeFolder(".Vendrolupa_Data");
    ASSERT_TRUE(writeSettingsFile(path(), {"中", "1.50", "/usr/bin/java", "p w", "green"}));
    EXPECT_EQ(readAll(path()), "\xD6\xD0\r\n1.50\r\n/usr/bin/java\r\np w\r\ngreen\r\n");
}

TEST_F(SettingsFileTest, ReadsBackWhatWasWrittenAsTyped) {
    launcher.folder.makeFolder(".Vendrolupa_Data");
    LauncherConfig written{" 玩家 ", "2048", "C:\\Java\\bin\\javaw.exe", "", "Purple"};
    ASSERT_TRUE(writeSettingsFile(path(), written));
    SettingsFileRead read = readSettingsFile(path());
    EXPECT_EQ(read.state, SettingsFileState::Read);
    EXPECT_EQ(read.config, written);
}

TEST_F(SettingsFileTest, MissingLinesReadAsEmptyText) {
    writeRaw("steve\r\n1024\r\n");
    SettingsFileRead read = readSettingsFile(path());
    EXPECT_EQ(read.state, SettingsFileState::Read);
    EXPECT_EQ(read.config, (LauncherConfig{"steve", "1024", "", "", ""}));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsReportedAndTakenAsEmpty) {
    launcher.folder.makeFolder(".Vendrolupa_Data/config.ini");  // a folder: exists, unreadable
    launcher.context.config = {"old", "1", "2", "3", "red"};
    LoadSettings(launcher.context);
    EXPECT_EQ(launcher.context.config, LauncherConfig{});
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_NE(launcher.dialogs.shown[0].text.find("无法读取设置文件"), std::string::npos);
    EXPECT_EQ(launcher.dialogs.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(colours, std::vector<uint32_t>{kDefaultBackground});
}

TEST_F(SettingsFileTest, LoadSettingsFillsTheRecordAndSetsOneColourEachTime) {
    writeRaw("steve\r\n2048\r\njava\r\n\r\nGREEN\r\n");
    LoadSettings(launcher.context);
    EXPECT_EQ(launcher.context.config, (LauncherConfig{"steve", "2048", "java", "", "GREEN"}));
    writeRaw("steve\r\n2048\r\njava\r\n\r\nblue\r\n");
    LoadSettings(launcher.context);
    EXPECT_EQ(colours, (std::vector<uint32_t>{0x339344, 0x077DB6}));
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

#ifndef _WIN32  // a file-size limit stands in for a full disk; Windows has none
TEST_F(SettingsFileTest, AWriteFailingPartWayKeepsTheOldFileWhole) {
    launcher.folder.makeFolder(".Vendrolupa_Data");
    ASSERT_TRUE(writeSettingsFile(path(), {"steve", "1024", "/usr/bin/java", "", "green"}));
    const std::string old = readAll(path());
    {
        testing_support::FileSizeLimit limit(4096);
        EXPECT_FALSE(writeSettingsFile(path(), {std::string(9000, 'n'), "2048", "j", "", "red"}));
    }
    EXPECT_EQ(readAll(path()), old);
    auto entries =
        std::filesystem::directory_iterator(launcher.folder.path() + "/.Vendrolupa_Data");
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);
}
#endif

TEST_F(SettingsFileTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    // Without the data folder nothing can be written.
    EXPECT_FALSE(writeSettingsFile(path(), {"a", "1", "j", "", "gray"}));
    EXPECT_FALSE(testing_support::exists(launcher.folder.path() + "/.Vendrolupa_Data"));

    // A folder in the file's place cannot be replaced: it stays and no stray file is left.
    launcher.folder.makeFolder(".Vendrolupa_Data/config.ini");
    EXPECT_FALSE(writeSettingsFile(path(), {"a", "1", "j", "", "gray"}));
    auto entries = std::filesystem::directory_iterator(
        platform::fromUtf8Path(launcher.folder.path() + "/.Vendrolupa_Data"));
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);
    EXPECT_TRUE(std::filesystem::is_directory(platform::fromUtf8Path(path())));
}

}  // namespace

TEST(SettingsFileReasons, TheBoxAndTheLogSayWhyTheFileWasNotRead) {
    struct Case {
        const char* what;
        bool folderInPlace;
        SettingsFileState state;
        const char* cause;
    };
    const Case cases[] = {
        {"missing", false, SettingsFileState::Missing, "不存在"},
        {"folder in place", true, SettingsFileState::Unreadable, "这是一个文件夹"},
    };
    for (const Case& c : cases) {
        TestLauncher launcher;
        launcher.folder.makeFolder(".Vendrolupa_Data");
        launcher.context.log = platform::Log(launcher.context.dataFile("launcher.log"));
        const std::string path = settingsFilePath(launcher.context);
        if (c.folderInPlace) launcher.folder.makeFolder(".Vendrolupa_Data/config.ini");
        EXPECT_EQ(readSettingsFile(path).state, c.state) << c.what;
        LoadSettings(launcher.context);
        ASSERT_EQ(launcher.dialogs.shown.size(), 1u) << c.what;
        EXPECT_NE(launcher.dialogs.shown[0].text.find(c.cause), std::string::npos)
            << c.what << ": " << launcher.dialogs.shown[0].text;
        EXPECT_NE(readAll(launcher.context.log.path()).find(launcher.dialogs.shown[0].text),
                  std::string::npos)
            << c.what;
    }
}
