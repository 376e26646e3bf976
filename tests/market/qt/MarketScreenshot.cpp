#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QListWidget>

#include "LoopbackHttpServer.h"
#include "LoopbackMirror.h"
#include "TaskText.h"
#include "TempFolder.h"
#include "TestLauncher.h"
#include "market/NativeInstaller.h"
#include "market/qt/frmmarket.h"

// Writes the market window's pictures into docs/screenshots when VENDROLUPA_SCREENSHOTS names a
// folder (scripts/screenshots does); otherwise there is nothing to do.

namespace {

using namespace testing_support;

const char* kManifest =
    "{\n  \"versions\": [\n"
    "    {\"id\": \"1.8.9\", \"type\": \"release\"},\n"
    "    {\"id\": \"1.8\", \"type\": \"release\"},\n"
    "    {\"id\": \"14w02a\", \"type\": \"snapshot\"},\n"
    "    {\"id\": \"1.7.10\", \"type\": \"release\"},\n"
    "    {\"id\": \"1.7.2\", \"type\": \"release\"},\n"
    "    {\"id\": \"1.6.4\", \"type\": \"release\"},\n"
    "    {\"id\": \"b1.7.3\", \"type\": \"old_beta\"},\n"
    "    {\"id\": \"a1.0.4\", \"type\": \"old_alpha\"}\n  ]\n}\n";

// The update server's start page with the demo mirror's mod catalogue.
const char* kModPage =
    "<html><body>\r\n-MODLISTBEGIN\r\n<p>[1.7.10]</p>\r\n"
    "<p>演示工业|http://127.0.0.1/mods/1.7.10/demo-industry-1.0.jar|"
    "演示用的工业Mod：一台发电机和一条电线</p>\r\n"
    "<p>演示地图|http://127.0.0.1/mods/1.7.10/demo-minimap-2.1.jar|"
    "演示用的小地图：在屏幕一角显示周围的地形</p>\r\n"
    "<p>演示背包|http://127.0.0.1/mods/1.7.10/demo-backpack-0.9.jar|"
    "演示用的背包：多出二十七格物品栏</p>\r\n"
    "<p>[Other]</p>\r\n-MODLISTEND\r\n</body></html>\r\n";

struct MarketScreenshot : ::testing::Test {
    QString folder = qEnvironmentVariable("VENDROLUPA_SCREENSHOTS");
    TempFolder www{"mirror"};
    TestLauncher launcher{"market"};
    std::unique_ptr<LoopbackMirror> mirror;

    void SetUp() override {
        if (folder.isEmpty()) GTEST_SKIP() << "VENDROLUPA_SCREENSHOTS not set";
        www.write("versions/versions.json", kManifest);
        mirror = std::make_unique<LoopbackMirror>(www.path());
        launcher.context.services.mirror = mirror->baseUrl();
        QDir().mkpath(folder);
    }
    void save(frmmarket& window, const char* name) {
        window.show();
        ASSERT_TRUE(window.grab().save(folder + "/" + name));
    }
};

TEST_F(MarketScreenshot, VersionsTabWithCatalogueAndARunningDownload) {
    frmmarket window(launcher.context);
    window.List1->setCurrentRow(3);
    window.List1_Click(3);
    save(window, "market-versions.png");

    // A queue of a version and some assets, the first download under way.
    std::string base = mirror->baseUrl();
    std::string versions = launcher.folder.path() + "/.minecraft/versions/1.7.10";
    window.pipeline().append(entryOf(base + "/versions/1.7.10/1.7.10.jar[下载到]" + versions));
    window.pipeline().append(
        entryOf(base + "/Minecraft.Download/versions/1.7.10/1.7.10.json[下载到]" + versions));
    for (int i = 0; i < 10; ++i) {
        window.pipeline().append(entryOf(base + "/resources/sound/step/grass" + std::to_string(i) +
                                         ".ogg[下载到]" + launcher.folder.path() +
                                         "/.minecraft/assets/sound/step/"));
    }
    window.pipeline().onProgress(3'145'728, 5'242'880, 1536);
    window.pipeline().onTimerTick();
    save(window, "market-download.png");
}

TEST_F(MarketScreenshot, NativeUpdateWindow) {
    frmmarket window(launcher.context);
    window.EnterUpdateMode("Native更新中");
    std::string native = launcher.folder.path() + "/.minecraft/native/";
    for (const std::string& name : market::NativeLibraryNames(platform::PathStyle::posix()))
        window.pipeline().append(entryOf(mirror->baseUrl() + "/" + name + "[下载到]" + native));
    window.pipeline().onProgress(420'000, 1'000'000, 860);
    window.pipeline().onTimerTick();
    save(window, "market-native.png");
}

TEST_F(MarketScreenshot, ModsTabWithTheCatalogueAndAChosenMod) {
    LoopbackHttpServer update(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(200, kModPage)));
    launcher.context.services.update = update.baseUrl();
    frmmarket window(launcher.context);
    window.tabs_Click(1);
    window.选择版本->setCurrentIndex(window.选择版本->findText("1.7.10"));
    window.GetModsList("1.7.10");
    window.List4->setCurrentRow(1);
    window.List4_Click(1);
    save(window, "market-mods.png");
}

}  // namespace
