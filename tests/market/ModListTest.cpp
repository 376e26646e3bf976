#include <gtest/gtest.h>

#include "LoopbackHttpServer.h"
#include "TestLauncher.h"
#include "market/ModList.h"
#include "platform/CodePage.h"

using testing_support::exists;
using testing_support::LoopbackHttpServer;
using testing_support::readAll;
using testing_support::TestLauncher;

namespace {

const std::string kPage =
    "<html><p>【0.7.0|http://h/new.exe|m】</p>-MODLISTBEGIN<p>[1.7.10]</p>\r\n"
    "<p>工业时代|http://h/ic2.jar|电力<br />模组</p>\r\n<p>[Other]</p>\r\n"
    "<p>Rei|http://h/rei.jar|小地图</p>-MODLISTEND</html>";

struct ModListTest : ::testing::Test {
    TestLauncher launcher{"mod list"};
    std::string cache() const { return market::modListCachePath(launcher.context); }
    std::vector<std::string> names(const std::string& version) {
        auto mods = market::loadModList(launcher.context, version);
        EXPECT_TRUE(mods) << mods.reason();
        std::vector<std::string> result;
        if (mods)
            for (const auto& mod : mods.value())
                result.push_back(mod.name);
        return result;
    }
    void SetUp() override { launcher.folder.makeFolder(".Vendrolupa_Data"); }
};

}  // namespace

TEST_F(ModListTest, FirstSelectionFetchesAndCachesLaterOnesReadOnlyTheCache) {
    LoopbackHttpServer server(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(200, kPage)));
    launcher.context.services.update = server.baseUrl();

    EXPECT_EQ(names("1.7.10"), std::vector<std::string>{"工业时代"});
    EXPECT_EQ(LoopbackHttpServer::pathOf(server.requests().at(0)), "/");
    EXPECT_EQ(readAll(cache()),
              platform::toCodePage("[1.7.10]\r\n工业时代|http://h/ic2.jar|电力模组"
                                   "\r\n[Other]\r\nRei|http://h/rei.jar|小地图\r\n"));
    EXPECT_EQ(names("Other"), std::vector<std::string>{"Rei"});
    EXPECT_EQ(names("1.6.4"), std::vector<std::string>{});
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(ModListTest, PresentCacheIsReadWithItsOwnLineRuleAndNothingIsFetched) {
    launcher.context.services.update =
        "http://127.0.0.1:" + std::to_string(testing_support::unusedLoopbackPort());
    launcher.folder.write(
        ".Vendrolupa_Data/modlist.tmp",
        platform::toCodePage("[1.7.10]\rA|u|多行\n描述\r\nx\n[1.7.10]\r\nB|u|d\r\n"));
    auto mods = market::loadModList(launcher.context, "1.7.10");
    ASSERT_TRUE(mods) << mods.reason();
    ASSERT_EQ(mods.value().size(), 1u);
    EXPECT_EQ(mods.value()[0].details, "u|多行\n描述");
}

TEST_F(ModListTest, PageWithoutCatalogueOrNoPageWritesNothingAndTheNextSelectionTriesAgain) {
    std::string page = "<html>维护中</html>";
    LoopbackHttpServer server([&](const std::string&) {
        testing_support::ScriptedResponse r;
        r.batches = {LoopbackHttpServer::response(200, page)};
        return r;
    });
    const std::pair<std::string, std::string> unloadable[] = {
        {server.baseUrl(), "没有Mod列表"},
        {"http://127.0.0.1:" + std::to_string(testing_support::unusedLoopbackPort()), "无法读取"},
    };
    for (const auto& [host, reason] : unloadable) {
        launcher.context.services.update = host;
        auto mods = market::loadModList(launcher.context, "1.7.10");
        ASSERT_FALSE(mods) << host;
        EXPECT_NE(mods.reason().find("无法载入Mod列表"), std::string::npos) << mods.reason();
        EXPECT_NE(mods.reason().find(reason), std::string::npos) << mods.reason();
        EXPECT_FALSE(exists(cache()));
    }
    page = kPage;
    launcher.context.services.update = server.baseUrl();
    EXPECT_EQ(names("1.7.10"), std::vector<std::string>{"工业时代"});
    EXPECT_TRUE(exists(cache()));
}

TEST_F(ModListTest, CacheThatCannotBeWrittenStillListsTheFetchedCatalogue) {
    LoopbackHttpServer server(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(200, kPage)));
    launcher.context.services.update = server.baseUrl();
    std::filesystem::remove_all(launcher.folder.path() + "/.Vendrolupa_Data");
    EXPECT_EQ(names("Other"), std::vector<std::string>{"Rei"});
    EXPECT_FALSE(exists(cache()));
}
