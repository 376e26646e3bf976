#include "market/AssetInstaller.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "LoopbackMirror.h"
#endif
#include "RecordingMarketView.h"
#include "ScriptedDialogs.h"
#include "SystemHttpClient.h"
#include "TaskText.h"
#include "TempFolder.h"
#include "market/MirrorSource.h"

namespace {

using market::AssetPath;
using Shown = std::pair<std::string, std::string>;
using testing_support::TempFolder;
using Texts = std::vector<std::string>;

const std::string kHashA = "bdf48ef6b5d0d23bbb02e17d04865216179f510a";
const std::string kHashB = "5ff04807c356f1beed0b86ccf659b44b9983e3fa";

std::string indexOf(const Texts& hashes) {
    std::string text = "{\n  \"objects\": {\n";
    for (size_t i = 0; i < hashes.size(); ++i) {
        text += "    \"name" + std::to_string(i) + ".ogg\": {\n      \"hash\": \"" + hashes[i] +
                "\",\n      \"size\": 1\n    },\n";
    }
    return text + "  }\n}\n";
}

TEST(AssetTasks, FormsInWindowsStyle) {
    GameFolders folders{"C:\\游戏", platform::PathStyle::windows()};
    ServiceHosts hosts;
    hosts.mirror = "http://m";
    hosts.official = "http://o";
    const std::string assets = "C:\\游戏\\.minecraft\\assets";
    EXPECT_EQ(shownAs(market::objectTask(kHashA, folders, hosts)),
              (Shown{assets + "\\objects\\bd",
                     "http://m/assets/bd/" + kHashA + "[下载到]" + assets + "\\objects\\bd"}));
    EXPECT_EQ(market::sharedIndexTask(folders, hosts).entry.listText(),
              "http://m/indexes/1.8.json[下载到]" + assets + "\\indexes");
    EXPECT_EQ(market::versionIndexTask("14w02a", folders, hosts).entry.listText(),
              "http://m/indexes/14w02a.json[下载到]" + assets + "\\indexes");
    EXPECT_EQ(shownAs(market::resourceTask("sound/step/grass1.ogg", folders, hosts)),
              (Shown{assets + "\\sound\\step", "http://m/resources/sound/step/grass1.ogg[下载到]" +
                                                   assets + "\\sound\\step"}));
    EXPECT_EQ(market::resourceTask("README.txt", folders, hosts).folder, assets);
    EXPECT_EQ(market::assetIndexUrl(AssetPath::Legacy, "1.7.2", hosts),
              "http://o/Minecraft.Download/indexes/legacy.json");
}

TEST(AssetTasks, OnlyObjectTasksCarryAnExpectedHash) {
    GameFolders folders{"/l", platform::PathStyle::posix()};
    ServiceHosts hosts;
    EXPECT_EQ(market::expectedObjectHash(market::objectTask(kHashA, folders, hosts).entry, folders),
              kHashA);
    EXPECT_EQ(
        market::expectedObjectHash(market::resourceTask(kHashA, folders, hosts).entry, folders),
        std::nullopt);
    EXPECT_EQ(market::expectedObjectHash(market::sharedIndexTask(folders, hosts).entry, folders),
              std::nullopt);
    EXPECT_EQ(market::expectedObjectHash(testing_support::entryOf("http://m/assets/5f/" + kHashA +
                                                                  "[下载到]/l/.minecraft/"
                                                                  "assets/objects/5f"),
                                         folders),
              std::nullopt);
}

TEST(AssetPlan, QueuesWhatIsMissingOnEachPath) {
    TempFolder launcher{"资源 assets"};
    GameFolders folders{launcher.path(), platform::PathStyle::posix()};
    ServiceHosts hosts;
    const std::string index = indexOf({kHashA, kHashB, kHashA});
    EXPECT_EQ(tasksOf(market::assetPlan(AssetPath::SharedIndex, "1.8.9", index, folders, hosts)),
              (Texts{market::objectTask(kHashA, folders, hosts).entry.listText(),
                     market::objectTask(kHashB, folders, hosts).entry.listText(),
                     market::objectTask(kHashA, folders, hosts).entry.listText(),
                     market::sharedIndexTask(folders, hosts).entry.listText()}));

    launcher.write(".minecraft/assets/objects/bd/" + kHashA, "x");
    launcher.write(".minecraft/assets/indexes/14w02a.json", "{}");
    EXPECT_EQ(tasksOf(market::assetPlan(AssetPath::PerVersion, "14w02a", index, folders, hosts)),
              (Texts{market::objectTask(kHashB, folders, hosts).entry.listText()}));
    EXPECT_EQ(
        tasksOf(market::assetPlan(AssetPath::PerVersion, "15w01a", index, folders, hosts)).back(),
        market::versionIndexTask("15w01a", folders, hosts).entry.listText());

    launcher.write(".minecraft/assets/name1.ogg", "x");
    EXPECT_EQ(tasksOf(market::assetPlan(AssetPath::Legacy, "1.7.2", index, folders, hosts)),
              (Texts{market::resourceTask("name0.ogg", folders, hosts).entry.listText(),
                     market::resourceTask("name2.ogg", folders, hosts).entry.listText()}));
}

#ifndef _WIN32  // the mirror is nginx, which the Windows build does not run
struct UpdateFixture : ::testing::Test, MarketOnDisk {
    TempFolder served{"镜像 mirror"};
    testing_support::LoopbackMirror mirror{served.path()};
    testing_support::SystemHttpClient http;
    ServiceHosts hosts;
    std::vector<int> waits;
    const Texts ids = {"1.8.9", "1.7.10", "14w02a"};

    UpdateFixture() : MarketOnDisk("更新 update") {
        hosts.mirror = mirror.baseUrl();
        hosts.official = mirror.baseUrl();
    }
    void update(int selected) {
        market::MirrorSource source(hosts);
        market::updateAssets(pipeline, http, ids, selected, source,
                             [&](int ms) { waits.push_back(ms); });
    }
};

TEST_F(UpdateFixture, InstallsOnTheChosenPathAndCreatesTheFoldersFirst) {
    served.write("/indexes/1.8.json", indexOf({kHashA}));
    update(0);
    EXPECT_EQ(textsOf(pipeline.queue()),
              (std::deque<std::string>{
                  market::objectTask(kHashA, pipeline.folders(), hosts).entry.listText(),
                  market::sharedIndexTask(pipeline.folders(), hosts).entry.listText()}));
    EXPECT_TRUE(testing_support::exists(launcher.path() + "/.minecraft/assets/objects/bd"));
    EXPECT_TRUE(testing_support::exists(launcher.path() + "/.minecraft/assets/indexes"));
    EXPECT_EQ(view.take(), (Texts{"start " + mirror.baseUrl() + "/assets/bd/" + kHashA + " > " +
                                  launcher.path() + "/.minecraft/assets/objects/bd"}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(waits.empty());

    // A click while the queue runs only appends.
    served.write("/Minecraft.Download/indexes/legacy.json",
                 "{\n  \"virtual\": true,\n  \"objects\": {\n    \"lang/zh_CN.lang\": {}\n  }\n}");
    update(1);
    EXPECT_EQ(pipeline.size(), 3u);
    EXPECT_TRUE(view.take().empty());
    EXPECT_EQ(waits, (std::vector<int>{200}));
    EXPECT_TRUE(testing_support::exists(launcher.path() + "/.minecraft/assets/lang"));
}

TEST_F(UpdateFixture, SaysWhyWhenNothingIsQueued) {
    served.write("/indexes/1.8.json", indexOf({kHashA}));
    launcher.write(".minecraft/assets/objects/bd/" + kHashA, "x");
    launcher.write(".minecraft/assets/indexes/1.8.json", "{}");
    update(-1);
    update(0);
    update(1);  // no legacy index on the official host
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].text, "请先选择版本");
    EXPECT_EQ(dialogs.shown[1].text, "没有资源需要更新");
    EXPECT_NE(dialogs.shown[2].text.find("无法获取资源索引："), std::string::npos);
    EXPECT_NE(dialogs.shown[2].text.find("HTTP 404"), std::string::npos);
    EXPECT_TRUE(pipeline.empty());
}

#endif

}  // namespace

namespace {

TEST(AssetInstaller, ACurrentFormatVersionTakesTheIndexItNames) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> versions;
        std::string chosen;
        std::optional<std::string> index;
    };
    const std::vector<Case> cases = {
        {"a release of today",
         {{"1.20.1", R"({"arguments": {}, "assetIndex": {"id": "5"}, "assets": "5"})"}},
         "1.20.1",
         "5"},
        {"a profile takes its parent's",
         {{"loader", R"({"inheritsFrom": "1.20.1"})"},
          {"1.20.1", R"({"arguments": {}, "assetIndex": {"id": "5"}})"}},
         "loader",
         "5"},
        {"only an assets name", {{"v", R"({"arguments": {}, "assets": "legacy"})"}}, "v", "legacy"},
        {"an older release keeps the index its id chooses",
         {{"1.12.2", R"({"assetIndex": {"id": "1.12"}, "minecraftArguments": "--x"})"}},
         "1.12.2",
         std::nullopt},
        {"not installed", {}, "1.20.1", std::nullopt},
        {"an index name that would leave the folder",
         {{"v", R"({"arguments": {}, "assetIndex": {"id": "../../x"}})"}},
         "v",
         std::nullopt},
    };
    for (const Case& c : cases) {
        TempFolder launcher{"资源 索引"};
        for (const auto& [id, json] : c.versions)
            launcher.write(".minecraft/versions/" + id + "/" + id + ".json", json);
        EXPECT_EQ(market::namedAssetIndex(
                      GameFolders(launcher.path(), platform::PathStyle::posix()), c.chosen),
                  c.index)
            << c.what;
    }
}

}  // namespace
