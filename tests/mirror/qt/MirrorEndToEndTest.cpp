#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "GameJar.h"
#include "MirrorProgram.h"
#include "OfficialDocuments.h"
#include "RealLauncher.h"
#include "TempFolder.h"
#include "app/LauncherWindows.h"
#include "controls/qt/PButton.h"
#include "launch/qt/frmmain.h"
#include "market/AssetIndex.h"
#include "market/qt/frmmarket.h"
#include "platform/Sha1.h"
#include "startup/Startup.h"

// A school lab's day: the mirror is built from the official servers, served, and a launcher
// given the printed services.ini lines installs 1.12.2 and starts it with the real Java.

using namespace testing_support;
using mirror_test::OfficialDocuments;

namespace {

const char* const kGameClass = "net.minecraft.client.main.Main";

// Built once: the probe game and its library, as the official servers would publish them.
OfficialDocuments::Jars realJars(const TempFolder& work, std::string& failure) {
    JarBuilder library;
    library.source("probe.lib.Greeting", probeLibrarySource());
    failure = library.build(work.path() + "/library.jar");
    if (!failure.empty()) return {};
    JarBuilder game;
    game.source(kGameClass, probeGameSource(kGameClass)).classPath(work.path() + "/library.jar");
    failure = game.build(work.path() + "/game.jar");
    if (!failure.empty()) return {};
    return {readAll(work.path() + "/game.jar"), readAll(work.path() + "/library.jar")};
}

TEST(MirrorEndToEnd, ALauncherInstallsAndStartsAVersionFromASyncedAndServedMirror) {
    if (!testing_support::NginxServer::available() || !javaToolsAvailable())
        GTEST_SKIP() << "nginx, java, javac or jar is not installed";
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    TempFolder work{"jars"};
    std::string failure;
    OfficialDocuments::Jars jars = realJars(work, failure);
    ASSERT_EQ(failure, "");
    OfficialDocuments official(jars);
    ASSERT_TRUE(official.running());

    TempFolder tree{"lab mirror"};
    ProgramResult synced = mirror_test::runMirror(official.syncArguments(tree.path(), "1.12.2"));
    ASSERT_EQ(synced.exitCode, 0) << synced.output;
    mirror_test::ServedTree served(tree.path());
    ASSERT_TRUE(served.running()) << served.output();
    std::vector<std::string> services = served.servicesLines();
    ASSERT_EQ(services.size(), 4u) << served.output();
    services.push_back("update=" + services[1].substr(std::string("mirror=").size()));

    RealLauncher player(services, "机房 player");
    LauncherWindows windows(player.context);
    ASSERT_TRUE(startLauncher(player.context, windows));
    for (const char* name : {"liblwjgl.so", "liblwjgl64.so", "libopenal.so", "libopenal64.so",
                             "libjinput-linux.so", "libjinput-linux64.so"})
        EXPECT_EQ(readAll(player.path(".minecraft/native/") + name),
                  OfficialDocuments::nativeBytes(name));

    frmmarket& market = windows.market();
    market.show();
    ASSERT_EQ(market.List1->count(), 1);
    EXPECT_EQ(market.List1->item(0)->text().toStdString(), "版本名称：1.12.2 版本类型：正式版");
    clickAndWait(market, market.PButton1, "1.12.2");
    EXPECT_EQ(readAll(player.path(".minecraft/versions/1.12.2/1.12.2.jar")), jars.game);
    clickAndWait(market, market.PButton2, "1.12.2");
    for (const auto& [name, text] : OfficialDocuments::objectsOf("1.12.2")) {
        std::string hash = platform::sha1Hex(text);
        EXPECT_EQ(
            readAll(player.path(".minecraft/assets/objects/" + hash.substr(0, 2) + "/" + hash)),
            text)
            << name;
    }
    market.close();

    frmmain& main = windows.mainWindow();
    auto* bootitem = main.findChild<QComboBox*>("bootitem");
    bootitem->setCurrentText("1.12.2");
    QTest::mouseClick(main.findChild<QLabel*>("btnstartgame"), Qt::LeftButton);
    EXPECT_EQ(
        readAll(player.path(".minecraft/libraries/com/mojang/realms/1.10.22/realms-1.10.22.jar")),
        jars.library);
    EXPECT_TRUE(player.ended) << (player.dialogs.shown.empty() ? ""
                                                               : player.dialogs.shown.back().text);
    std::string output = waitForFile(player.path("probe-output.txt"), std::chrono::seconds(60))
                             .value_or("<the game wrote nothing>");
    EXPECT_EQ(probeValues(output, "library"), std::vector<std::string>{kProbeGreeting}) << output;
    EXPECT_EQ(player.dialogs.shown.size(), 0u) << player.dialogs.shown.front().text;
}

}  // namespace
