#include <gtest/gtest.h>

#include <stdexcept>
#include <system_error>

#include "../download/EngineHarness.h"
#include "market/ModDownload.h"

using platform::PathStyle;
using testing_support::exists;
using testing_support::TempFolder;

TEST(ModDownload, TaskGoesToTheModsFolderWithTheUrlAsWritten) {
    TempFolder folder;
    GameFolders game(folder.path(), PathStyle::posix());
    folder.makeFolder(".minecraft/mods");
    for (const std::string url : {"http://h/mods/ic2.jar", "http://h/mods\\a b.jar"}) {
        auto task = market::modDownloadTask(game, url);
        ASSERT_TRUE(task) << task.reason();
        EXPECT_EQ(task.value().listText(), url + "[下载到]" + folder.path() + "/.minecraft/mods");
        EXPECT_TRUE(task.value().keepUrlAsWritten);
    }
    GameFolders windows("C:\\启动器", PathStyle::windows());
    EXPECT_EQ(windows.mods(), "C:\\启动器\\.minecraft\\mods");
}

TEST(ModDownload, MissingModsFolderAndNonHttpAddressesAreRefused) {
    TempFolder folder;
    GameFolders game(folder.path(), PathStyle::posix());
    auto missing = market::modDownloadTask(game, "http://h/a.jar");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.reason(), market::kModsFolderMissing);
    EXPECT_FALSE(exists(folder.path() + "/.minecraft/mods"));

    // Anything named mods will do, as the check has always read it.
    folder.write(".minecraft/mods", "");
    EXPECT_TRUE(market::modDownloadTask(game, "http://h/a.jar"));
    for (const char* url :
         {"https://h/a.jar", "ftp://h/a.jar", "file:///etc/passwd", "h/a.jar", ""}) {
        auto refused = market::modDownloadTask(game, url);
        ASSERT_FALSE(refused) << url;
        EXPECT_NE(refused.reason().find("http://"), std::string::npos) << refused.reason();
    }
}

TEST(ModDownload, HostileFileNameInTheUrlWritesNothingOutsideTheModsFolder) {
    testing_support::EngineHarness harness;
    const std::string mods = harness.folder.makeFolder("game/.minecraft/mods");
    GameFolders game(harness.folder.path() + "/game", PathStyle::posix());
    auto task = market::modDownloadTask(game, "http://h/x/..\\..\\..\\evil.jar");
    ASSERT_TRUE(task) << task.reason();
    // The control receives the URL as written, "\" included.
    harness.engine.startDownload(market::requestUrl(task.value()), task.value().folder);
    harness.engine.onConnected();
    harness.feed({testing_support::okResponse("payload")});
    harness.peerCloses();
    EXPECT_EQ(harness.listener.ends(), std::vector<std::string>{"error"});
    EXPECT_EQ(testing_support::fileNamesIn(mods), std::vector<std::string>{});
    EXPECT_EQ(testing_support::fileNamesIn(harness.folder.path()),
              std::vector<std::string>{"game"});
}

TEST(ModDownload, ErrorReportCarriesCodeAndReason) {
    std::system_error systemError(std::make_error_code(std::errc::permission_denied), "写入失败");
    std::string text = market::errorReportText(systemError);
    EXPECT_EQ(text.rfind("错误代码：" + std::to_string(EACCES) + " 出错原因：写入失败", 0), 0u)
        << text;
    EXPECT_EQ(
        market::errorReportText(std::runtime_error("坏了")).rfind("错误代码：0 出错原因：坏了", 0),
        0u);
}
