#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "GameJar.h"
#include "OfficialSite.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "TlsFolderServer.h"
#include "ZipBuilder.h"
#include "app/LauncherWindows.h"
#include "controls/qt/PButton.h"
#include "launch/qt/frmmain.h"
#include "market/qt/frmmarket.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/ProcessStarter.h"
#include "platform/Random.h"
#include "platform/Sha1.h"
#include "platform/TextFile.h"
#include "platform/curl/CurlHttpClient.h"

// A newcomer's first session on the official source: the game's own documents served over TLS
// from loopback (a test authority given through cafile=), from an empty launcher folder to the
// real Java running the game; then the documents and the server turning hostile.

using namespace testing_support;

namespace {

const char* const kGameClass = "net.minecraft.client.main.Main";
const std::string kLwjgl = "org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209";
const std::string kJinput = "net.java.jinput:jinput-platform:2.0.5";

// The modal windows' titles while they are shown; a watchdog closes a modal window that stays
// a minute, so a stalled queue ends the test instead of hanging it.
class ModalTitles {
  public:
    ModalTitles() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(10);
    }
    std::vector<std::string> titles;

  private:
    void look() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::string title = modal->windowTitle().toStdString();
            if (titles.empty() || titles.back() != title) titles.push_back(title);
            if (++ticks_ > 6000) modal->close();
        }
    }
    QTimer timer_;
    int ticks_ = 0;
};

std::string bytesOfZip(const TempFolder& scratch, const std::string& name,
                       const std::vector<ZipSample>& entries) {
    return readAll(writeZip(scratch.path() + "/" + name, entries));
}

// The official site: two versions, the natives jars of the start-up check, over TLS.
struct OfficialServer {
    explicit OfficialServer(const std::string& certificateName = "127.0.0.1")
        : server(root.path(), certificateName), site(root.path(), server.baseUrl()) {}

    // Fills the site; false (with `problem`) when a jar could not be built.
    bool fill() {
        JarBuilder game;
        game.source(kGameClass, probeGameSource(kGameClass));
        JarBuilder library;
        library.source("probe.lib.Greeting", probeLibrarySource());
        problem = game.build(scratch.path() + "/game.jar") +
                  library.build(scratch.path() + "/greeting.jar");
        if (!problem.empty()) return false;
        site.serve("/libraries/" + OfficialSite::libraryPath(kLwjgl, "natives-linux"),
                   bytesOfZip(scratch, "lwjgl.jar",
                              {{"META-INF/MANIFEST.MF", "Manifest-Version: 1.0\n"},
                               {"liblwjgl.so", "lwjgl 32"},
                               {"liblwjgl64.so", "lwjgl 64"},
                               {"libopenal.so", "openal 32"},
                               {"libopenal64.so", "openal 64"}}));
        site.serve("/libraries/" + OfficialSite::libraryPath(kJinput, "natives-linux"),
                   bytesOfZip(scratch, "jinput.jar",
                              {{"libjinput-linux.so", "jinput 32"},
                               {"libjinput-linux64.so", "jinput 64"}}));
        OfficialSite::Version version;
        version.id = "1.8.9";
        version.jar = readAll(scratch.path() + "/game.jar");
        version.minecraftArguments = "${auth_player_name}";
        version.libraries = {{"probe.lib:greeting:1.0", readAll(scratch.path() + "/greeting.jar")}};
        version.assetIndex = "1.8";
        version.assets = {{"icons/icon_16x16.png", "icon"}, {"sounds/step/grass1.ogg", "grass"}};
        site.addVersion(version);
        OfficialSite::Version old = version;
        old.id = "1.7.2";
        old.assetIndex = "legacy";
        old.assetsByName = true;
        site.addVersion(old);
        site.writeManifest();
        return true;
    }

    TempFolder root{"官方 site"};
    TempFolder scratch{"jars"};
    TlsFolderServer server;
    OfficialSite site;
    std::string problem;
};

struct NewLauncher {
    explicit NewLauncher(const OfficialServer& official)
        : context(folder.path(),
                  Seams{dialogs, processes, http, random, clock, [](int) {},
                        [] { QCoreApplication::processEvents(); }},
                  platform::PathStyle::posix()) {
        context.hooks.endProcess = [this] { ended = true; };
        std::string data = folder.makeFolder(".Vendrolupa_Data");
        EXPECT_TRUE(platform::writeTextLines(data + "/config.ini",
                                             {"Steve", "256", findOnPath("java"), "", "Blue"}));
        std::vector<std::string> services = official.site.servicesLines();
        services.push_back("cafile=" + official.server.caFile());
        // No update record there: the self-update check at start-up stays on loopback.
        services.push_back("update=" + official.server.baseUrl());
        EXPECT_TRUE(platform::writeTextLines(data + "/services.ini", services));
        context.services = loadServiceHosts(data + "/services.ini");
        http.setCertificateAuthorityFile(context.services.cafile);
        context.log = platform::Log(data + "/launcher.log");
    }
    std::string path(const std::string& relative) const { return folder.path() + "/" + relative; }

    TempFolder folder{"新 玩家"};
    ScriptedDialogs dialogs;
    platform::SystemProcessStarter processes;
    platform::CurlHttpClient http;
    platform::SystemRandom random;
    platform::SystemClock clock;
    bool ended = false;
    LauncherContext context;
};

void clickAndWait(frmmarket& market, PButton* button, const std::string& version) {
    QList<QListWidgetItem*> found = market.List1->findItems(
        QString::fromStdString("版本名称：" + version + " "), Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1) << version;
    market.List1->setCurrentItem(found[0]);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return market.pipeline().empty(); }, 30000)) << version;
}

struct OfficialEndToEnd : ::testing::Test {
    void SetUp() override {
        if (!TlsFolderServer::available() || !javaToolsAvailable())
            GTEST_SKIP() << "nginx, openssl, java, javac or jar is not installed";
        unsetenv("DISPLAY");  // the probe game then writes what it received and ends
        unsetenv("WAYLAND_DISPLAY");
    }
};

TEST_F(OfficialEndToEnd, FromAnEmptyFolderToARunningGame) {
    OfficialServer official;
    ASSERT_TRUE(official.server.running()) << official.server.problem();
    ASSERT_TRUE(official.fill()) << official.problem;
    NewLauncher launcher(official);
    LauncherWindows windows(launcher.context);
    ModalTitles modal;

    // Start-up: the natives jars arrive in native mode and fill the native folder.
    ASSERT_TRUE(startLauncher(launcher.context, windows));
    EXPECT_EQ(modal.titles, std::vector<std::string>{"Native更新中"});
    EXPECT_EQ(readAll(launcher.path(".minecraft/native/liblwjgl64.so")), "lwjgl 64");
    EXPECT_EQ(readAll(launcher.path(".minecraft/native/libjinput-linux.so")), "jinput 32");
    EXPECT_FALSE(exists(launcher.path(".minecraft/native/META-INF")));
    EXPECT_TRUE(launcher.dialogs.shown.empty()) << launcher.dialogs.messageTexts().front();
    frmmain& main = windows.mainWindow();
    EXPECT_TRUE(main.isVisible());

    // The market lists the manifest and says where it installs from.
    frmmarket& market = windows.market();
    market.show();
    ASSERT_EQ(market.List1->count(), 2);
    EXPECT_EQ(market.List1->item(0)->text(), "版本名称：1.8.9 版本类型：正式版");
    EXPECT_EQ(market.sourceLabel()->text(), "下载源：官方");

    // Before the version is there, its assets cannot be known.
    clickAndWait(market, market.PButton2, "1.8.9");
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_NE(launcher.dialogs.messageTexts()[0].find("尚未安装"), std::string::npos);

    // The version: its jar under the version's name and its JSON.
    clickAndWait(market, market.PButton1, "1.8.9");
    EXPECT_EQ(readAll(launcher.path(".minecraft/versions/1.8.9/1.8.9.jar")),
              readAll(official.scratch.path() + "/game.jar"));
    EXPECT_FALSE(exists(launcher.path(".minecraft/versions/1.8.9/client.jar")));
    EXPECT_TRUE(exists(launcher.path(".minecraft/versions/1.8.9/1.8.9.json")));
    EXPECT_NE(main.findChild<QComboBox*>("bootitem")->findText("1.8.9"), -1);

    // Its assets by hash; an old version's by name.
    clickAndWait(market, market.PButton2, "1.8.9");
    const std::string grass = platform::sha1Hex("grass");
    EXPECT_EQ(
        readAll(launcher.path(".minecraft/assets/objects/" + grass.substr(0, 2) + "/" + grass)),
        "grass");
    EXPECT_TRUE(exists(launcher.path(".minecraft/assets/indexes/1.8.json")));
    clickAndWait(market, market.PButton1, "1.7.2");
    clickAndWait(market, market.PButton2, "1.7.2");
    EXPECT_EQ(readAll(launcher.path(".minecraft/assets/sounds/step/grass1.ogg")), "grass");
    EXPECT_EQ(launcher.dialogs.shown.size(), 1u) << launcher.dialogs.messageTexts().back();
    market.close();

    // The start button: the libraries arrive, then the real Java starts the game.
    main.findChild<QComboBox*>("bootitem")->setCurrentText("1.8.9");
    QTest::mouseClick(main.findChild<QLabel*>("btnstartgame"), Qt::LeftButton);
    EXPECT_EQ(modal.titles, (std::vector<std::string>{"Native更新中", "Libraries更新中"}));
    EXPECT_EQ(
        readAll(launcher.path(".minecraft/libraries/probe/lib/greeting/1.0/greeting-1.0.jar")),
        readAll(official.scratch.path() + "/greeting.jar"));
    EXPECT_TRUE(launcher.ended) << (launcher.dialogs.shown.empty()
                                        ? ""
                                        : launcher.dialogs.shown.back().text);
    std::string output = waitForFile(launcher.path("probe-output.txt"), std::chrono::seconds(60))
                             .value_or("<the game wrote nothing>");
    EXPECT_EQ(probeValues(output, "library"), std::vector<std::string>{kProbeGreeting}) << output;
}

TEST_F(OfficialEndToEnd, ACertificateForAnotherNameIsRefusedOnceAndTheStartupGoesOn) {
    OfficialServer official("other.test");
    ASSERT_TRUE(official.server.running()) << official.server.problem();
    ASSERT_TRUE(official.fill()) << official.problem;
    NewLauncher launcher(official);
    LauncherWindows windows(launcher.context);
    ModalTitles modal;
    ASSERT_TRUE(startLauncher(launcher.context, windows));
    EXPECT_TRUE(windows.mainWindow().isVisible());
    EXPECT_FALSE(exists(launcher.path(".minecraft/native/liblwjgl.so")));
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    const std::string said = launcher.dialogs.messageTexts()[0];
    EXPECT_NE(said.find("127.0.0.1"), std::string::npos) << said;
    EXPECT_NE(said.find("证书"), std::string::npos) << said;
    // The market says why it lists nothing, inside its window.
    frmmarket& market = windows.market();
    EXPECT_EQ(market.List1->count(), 0);
    EXPECT_FALSE(market.catalogueNote().isEmpty());
}

TEST_F(OfficialEndToEnd, AJarThatIsNotWhatTheJsonSaysIsRemovedAndReported) {
    OfficialServer official;
    ASSERT_TRUE(official.server.running()) << official.server.problem();
    ASSERT_TRUE(official.fill()) << official.problem;
    // The jar changes on the server after the JSON named its checksum.
    const std::string game = readAll(official.scratch.path() + "/game.jar");
    official.site.serve("/v1/objects/" + platform::sha1Hex(game) + "/client.jar", game + "x");
    NewLauncher launcher(official);
    frmmarket market(launcher.context);
    market.show();
    clickAndWait(market, market.PButton1, "1.8.9");
    EXPECT_FALSE(exists(launcher.path(".minecraft/versions/1.8.9/1.8.9.jar")));
    EXPECT_FALSE(exists(launcher.path(".minecraft/versions/1.8.9/client.jar")));
    ASSERT_FALSE(launcher.dialogs.shown.empty());
    EXPECT_NE(launcher.dialogs.messageTexts()[0].find("SHA-1"), std::string::npos)
        << launcher.dialogs.messageTexts()[0];
}

}  // namespace
