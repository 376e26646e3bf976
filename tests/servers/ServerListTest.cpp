#include "servers/ServerList.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "FileSizeLimit.h"
#endif
#include "TempFolder.h"
#include "platform/CodePage.h"
#include "platform/FileList.h"

namespace servers {
namespace {

using testing_support::readAll;
using testing_support::TempFolder;

TEST(ServerListFile, RoundTripsChineseNamesInCodePageWithCrLf) {
    TempFolder folder("服务器 列表");
    std::string path = folder.file(".Vendrolupa_Data/serverlist.ini");
    ServerList list;
    list[0] = {"我的服务器", "mc.example.cn:25565"};
    list[3] = {"生存|创造", "10.0.0.2:25570"};
    ASSERT_TRUE(saveServerList(path, list));

    std::string expected = "我的服务器|mc.example.cn:25565\r\n";
    for (int i = 1; i < 5; ++i)
        expected += i == 3 ? "生存|创造|10.0.0.2:25570\r\n"
                           : std::string(kPlaceholder) + "|" + kPlaceholder + "\r\n";
    EXPECT_EQ(readAll(path), platform::toCodePage(expected));
    EXPECT_EQ(loadServerList(path), list);
}

TEST(ServerListFile, ShortOrBrokenFilesLeaveMissingPlacesAtPlaceholders) {
    struct Case {
        std::string text;
        std::array<std::string, 5> names;
        std::array<std::string, 5> addresses;
    };
    const std::string p = kPlaceholder;
    const Case cases[] = {
        {"", {p, p, p, p, p}, {p, p, p, p, p}},
        {"A|a:1\r\n", {"A", p, p, p, p}, {"a:1", p, p, p, p}},
        {"A|a:1\r\nno separator\r\nC|c:3", {"A", p, "C", p, p}, {"a:1", p, "c:3", p, p}},
        {"\r\n|\r\nA|a:1\nB|b:2\r\n", {p, "", "A", "B", p}, {p, "", "a:1", "b:2", p}},
        {"1|a\r\n2|b\r\n3|c\r\n4|d\r\n5|e\r\n6|f\r\n",
         {"1", "2", "3", "4", "5"},
         {"a", "b", "c", "d", "e"}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        ServerList list =
            loadServerList(folder.write("serverlist.ini", platform::toCodePage(c.text)));
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(list[i].name, c.names[i]) << c.text << " place " << i;
            EXPECT_EQ(list[i].address, c.addresses[i]) << c.text << " place " << i;
        }
    }
    TempFolder empty;
    EXPECT_EQ(loadServerList(empty.file("missing.ini")), ServerList{});
}

TEST(ServerListFile, SaveCreatesMissingDataFolderAndReportsFailure) {
    TempFolder folder;
    std::string path = folder.path() + "/新建/.Vendrolupa_Data/serverlist.ini";
    EXPECT_TRUE(saveServerList(path, ServerList{}));
    EXPECT_EQ(loadServerList(path), ServerList{});
    // A folder standing where the file should be cannot be replaced.
    std::string blocked = folder.makeFolder("blocked.ini");
    EXPECT_FALSE(saveServerList(blocked, ServerList{}));
}

#ifndef _WIN32  // a file-size limit stands in for a full disk; Windows has none
TEST(ServerListFile, AWriteFailingPartWayKeepsTheOldFileWhole) {
    TempFolder folder;
    std::string path = folder.file(".Vendrolupa_Data/serverlist.ini");
    ASSERT_TRUE(saveServerList(path, ServerList{}));
    const std::string old = readAll(path);
    ServerList longer;
    longer[0] = {std::string(8000, 's'), "mc.example.cn:25565"};
    {
        testing_support::FileSizeLimit limit(4096);
        EXPECT_FALSE(saveServerList(path, longer));
    }
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(platform::listFiles(folder.path() + "/.Vendrolupa_Data"),
              std::vector<std::string>{"serverlist.ini"});
}
#endif

TEST(ParseAddress, TakesHostAndPortOfOneToFiveDigitsInRange) {
    struct Case {
        std::string address;
        std::optional<Endpoint> endpoint;
    };
    const Case cases[] = {
        {"mc.example.cn:25565", Endpoint{"mc.example.cn", 25565}},
        {"127.0.0.1:1", Endpoint{"127.0.0.1", 1}},
        {" host : 65535 ", Endpoint{"host", 65535}},
        {kPlaceholder, std::nullopt},
        {"host", std::nullopt},
        {"host:", std::nullopt},
        {":25565", std::nullopt},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:99999999999", std::nullopt},
        {"host:25565x", std::nullopt},
        {"host:-1", std::nullopt},
        {"host:1:2", Endpoint{"host", 1}},
        {"host:025565", Endpoint{"host", 25565}},
        {"host:x:25565", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseAddress(c.address), c.endpoint) << c.address;
}

}  // namespace
}  // namespace servers
