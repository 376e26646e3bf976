#include "market/VersionInstaller.h"

#include <gtest/gtest.h>

#include "SystemHttpClient.h"
#include "market/MirrorSource.h"

#include "RecordingMarketView.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

namespace {

struct VersionDownload : ::testing::Test, MarketOnDisk {
    VersionDownload() : MarketOnDisk("版本 version") {}
};

TEST_F(VersionDownload, TheJarFromTheMirrorThenTheJsonFromTheOfficialHost) {
    GameFolders folders{"C:\\游戏", platform::PathStyle::windows()};
    ServiceHosts hosts;
    hosts.mirror = "http://m";
    hosts.official = "http://o";
    platform::Result<market::InstallPlan> plan =
        market::versionDownloadPlan("1.7.10", folders, hosts);
    ASSERT_TRUE(plan);
    const std::string folder = "C:\\游戏\\.minecraft\\versions\\1.7.10";
    EXPECT_EQ(
        shownAs(plan.value()),
        (std::vector<std::pair<std::string, std::string>>{
            {folder, "http://m/versions/1.7.10/1.7.10.jar[下载到]" + folder},
            {folder, "http://o/Minecraft.Download/versions/1.7.10/1.7.10.json[下载到]" + folder},
        }));
    for (std::string id : {"", "..", "../x", "a\\b", "C:x"})
        EXPECT_FALSE(market::versionDownloadPlan(id, folders, hosts)) << id;
}

TEST_F(VersionDownload, TheButtonQueuesStartsOrSaysWhy) {
    ServiceHosts hosts;
    hosts.mirror = "http://m";
    const std::vector<std::string> ids = {"1.8", "../evil"};
    market::MirrorSource mirror(hosts);
    testing_support::SystemHttpClient http;

    market::addVersionDownload(pipeline, http, ids, -1, mirror);
    market::addVersionDownload(pipeline, http, ids, 1, mirror);
    EXPECT_TRUE(pipeline.empty());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "请先选择版本");
    EXPECT_NE(dialogs.shown[1].text.find("../evil"), std::string::npos);
    EXPECT_FALSE(testing_support::exists(launcher.path() + "/.minecraft/evil"));

    market::addVersionDownload(pipeline, http, ids, 0, mirror);
    market::addVersionDownload(pipeline, http, ids, 0, mirror);
    EXPECT_EQ(pipeline.size(), 4u);
    EXPECT_TRUE(testing_support::exists(launcher.path() + "/.minecraft/versions/1.8"));
    EXPECT_EQ(view.take(),
              (std::vector<std::string>{"start http://m/versions/1.8/1.8.jar > " + launcher.path() +
                                        "/.minecraft/versions/1.8"}));
}

}  // namespace
