#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/FileList.h"
#include "servers/ServerList.h"
#include "startup/SettingsFile.h"

using testing_support::readAll;
using testing_support::TempFolder;

namespace {

// The ANSI code page is 936 here (scripts/test-windows runs Wine in a zh_CN locale), so the
// files hold the same GBK bytes as on Linux.
TEST(WindowsCodePage, SettingsAndServerListAreGbkBytesBothWays) {
    TempFolder folder("代码页 936");
    std::string config = folder.file("数据/config.ini");
    LauncherConfig settings{"玩家", "1024", "C:\\Java 运行时\\javaw.exe", "", "blue"};
    ASSERT_TRUE(writeSettingsFile(config, settings));
    EXPECT_EQ(readAll(config),
              "\xCD\xE6\xBC\xD2\r\n1024\r\nC:\\Java \xD4\xCB\xD0\xD0\xCA\xB1\\javaw.exe\r\n\r\n"
              "blue\r\n");
    EXPECT_EQ(readSettingsFile(config).config, settings);

    std::string serverList = folder.write(
        "数据/serverlist.ini", "\xCE\xD2\xB5\xC4\xB7\xFE\xCE\xF1\xC6\xF7|mc.cn:25565\r\n");
    servers::ServerList list = servers::loadServerList(serverList);
    EXPECT_EQ(list[0].name, "我的服务器");
    ASSERT_TRUE(servers::saveServerList(serverList, list));
    EXPECT_EQ(readAll(serverList).substr(0, 24),
              "\xCE\xD2\xB5\xC4\xB7\xFE\xCE\xF1\xC6\xF7|mc.cn:25565\r\n");
    EXPECT_EQ(platform::listFiles(folder.path() + "\\数据"),
              (std::vector<std::string>{"config.ini", "serverlist.ini"}));
}

TEST(WindowsCodePage, ChineseFileNamesAreCreatedAndListed) {
    TempFolder folder("文件名");
    folder.write("版本 一.jar", "x");
    folder.write("游戏.JAR", "x");
    folder.makeFolder("存档 文件夹");
    EXPECT_EQ(platform::listFiles(folder.path(), {".jar"}),
              (std::vector<std::string>{"游戏.JAR", "版本 一.jar"}));
    EXPECT_EQ(platform::listSubFolders(folder.path()), std::vector<std::string>{"存档 文件夹"});
}

}  // namespace
