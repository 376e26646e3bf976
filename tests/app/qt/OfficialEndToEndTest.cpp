#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "GameJar.h"
#include "ModalTitles.h"
#include "OfficialSite.h"
#include "RealLauncher.h"
#include "TempFolder.h"
#include "TlsFolderServer.h"
#include "ZipBuilder.h"
#include "app/LauncherWindows.h"
#include "controls/qt/PButton.h"
#include "launch/qt/frmmain.h"
#include "market/qt/frmmarket.h"
#include "platform/Sha1.h"

// A newcomer's first session on the official source: the game's own documents served over TLS
// from loopback (a test authority given through cafile=), from an empty launcher folder to the
// real Java running the game; then the documents and the server turning hostile.

using namespace testing_support;

namespace {

const char* const kGameClass = "net.minecraft.client.main.Main";
const std::string kLwjgl = "org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209";
const std::string kJinput = "net.java.jinput:jinput-platform:2.0.5";

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

// A new player's launcher whose every service is the official site, trusting its test authority.
// No update record there: the self-update check at start-up stays on loopback.
std::vector<std::string> servicesOf(const OfficialServer& official) {
    std::vector<std::string> services = official.site.servicesLines();
    services.push_back("cafile=" + official.server.caFile());
    services.push_back("update=" + official.server.baseUrl());
    return services;
}

struct OfficialEndToEnd : ::testing::Test {
    void SetUp() override {
        if (!TlsFolderServer::available() || !javaToolsAvailable())
            GTEST_SKIP() << "nginx, openssl, java, javac or jar is not installed";
        unsetenv("DISPLAY");  // the probe game then writes what it received and ends
        unsetenv("WAYLAND_DISPLAY");
    }

    // The filled site served under a certificate for `certificateName`, and a new launcher on it.
    void serve(const std::string& certificateName = "127.0.0.1") {
        official = std::make_unique<OfficialServer>(certificateName);
        ASSERT_TRUE(official->server.running()) << official->server.problem();
        ASSERT_TRUE(official->fill()) << official->problem;
        launcher = std::make_unique<RealLauncher>(servicesOf(*official), "新 玩家");
    }

    // Serves the site and starts the launcher as a player does, its modal windows watched.
    void serveAndStart(const std::string& certificateName = "127.0.0.1") {
        ASSERT_NO_FATAL_FAILURE(serve(certificateName));
        windows = std::make_unique<LauncherWindows>(launcher->context);
        modal = std::make_unique<ModalTitles>();
        ASSERT_TRUE(startLauncher(launcher->context, *windows));
    }

    std::unique_ptr<OfficialServer> official;
    std::unique_ptr<RealLauncher> launcher;
    std::unique_ptr<LauncherWindows> windows;
    std::unique_ptr<ModalTitles> modal;
};

TEST_F(OfficialEndToEnd, FromAnEmptyFolderToARunningGame) {
    // Start-up: the natives jars arrive in native mode and fill the native folder.
    ASSERT_NO_FATAL_FAILURE(serveAndStart());
    EXPECT_EQ(modal->titles, std::vector<std::string>{"Native更新中"});
    EXPECT_EQ(readAll(launcher->path(".minecraft/native/liblwjgl64.so")), "lwjgl 64");
    EXPECT_EQ(readAll(launcher->path(".minecraft/native/libjinput-linux.so")), "jinput 32");
    EXPECT_FALSE(exists(launcher->path(".minecraft/native/META-INF")));
    EXPECT_TRUE(launcher->dialogs.shown.empty()) << launcher->dialogs.messageTexts().front();
    frmmain& main = windows->mainWindow();
    EXPECT_TRUE(main.isVisible());

    // The market lists the manifest and says where it installs from.
    frmmarket& market = windows->market();
    market.show();
    ASSERT_EQ(market.List1->count(), 2);
    EXPECT_EQ(market.List1->item(0)->text(), "版本名称：1.8.9 版本类型：正式版");
    EXPECT_EQ(market.sourceLabel()->text(), "下载源：官方");

    // Before the version is there, its assets cannot be known.
    clickAndWait(market, market.PButton2, "1.8.9");
    ASSERT_EQ(launcher->dialogs.shown.size(), 1u);
    EXPECT_NE(launcher->dialogs.messageTexts()[0].find("尚未安装"), std::string::npos);

    // The version: its jar under the version's name and its JSON.
    clickAndWait(market, market.PButton1, "1.8.9");
    EXPECT_EQ(readAll(launcher->path(".minecraft/versions/1.8.9/1.8.9.jar")),
              readAll(official->scratch.path() + "/game.jar"));
    EXPECT_FALSE(exists(launcher->path(".minecraft/versions/1.8.9/client.jar")));
    EXPECT_TRUE(exists(launcher->path(".minecraft/versions/1.8.9/1.8.9.json")));
    EXPECT_NE(main.findChild<QComboBox*>("bootitem")->findText("1.8.9"), -1);

    // Its assets by hash; an old version's by name.
    clickAndWait(market, market.PButton2, "1.8.9");
    const std::string grass = platform::sha1Hex("grass");
    EXPECT_EQ(
        readAll(launcher->path(".minecraft/assets/objects/" + grass.substr(0, 2) + "/" + grass)),
        "grass");
    EXPECT_TRUE(exists(launcher->path(".minecraft/assets/indexes/1.8.json")));
    clickAndWait(market, market.PButton1, "1.7.2");
    clickAndWait(market, market.PButton2, "1.7.2");
    EXPECT_EQ(readAll(launcher->path(".minecraft/assets/sounds/step/grass1.ogg")), "grass");
    EXPECT_EQ(launcher->dialogs.shown.size(), 1u) << launcher->dialogs.messageTexts().back();
    market.close();

    // The start button: the libraries arrive, then the real Java starts the game.
    main.findChild<QComboBox*>("bootitem")->setCurrentText("1.8.9");
    QTest::mouseClick(main.findChild<QLabel*>("btnstartgame"), Qt::LeftButton);
    EXPECT_EQ(modal->titles, (std::vector<std::string>{"Native更新中", "Libraries更新中"}));
    EXPECT_EQ(
        readAll(launcher->path(".minecraft/libraries/probe/lib/greeting/1.0/greeting-1.0.jar")),
        readAll(official->scratch.path() + "/greeting.jar"));
    EXPECT_TRUE(launcher->ended) << (launcher->dialogs.shown.empty()
                                         ? ""
                                         : launcher->dialogs.shown.back().text);
    std::string output = waitForFile(launcher->path("probe-output.txt"), std::chrono::seconds(60))
                             .value_or("<the game wrote nothing>");
    EXPECT_EQ(probeValues(output, "library"), std::vector<std::string>{kProbeGreeting}) << output;
}

TEST_F(OfficialEndToEnd, ACertificateForAnotherNameIsRefusedOnceAndTheStartupGoesOn) {
    ASSERT_NO_FATAL_FAILURE(serveAndStart("other.test"));
    EXPECT_TRUE(windows->mainWindow().isVisible());
    EXPECT_FALSE(exists(launcher->path(".minecraft/native/liblwjgl.so")));
    ASSERT_EQ(launcher->dialogs.shown.size(), 1u);
    const std::string said = launcher->dialogs.messageTexts()[0];
    EXPECT_NE(said.find("127.0.0.1"), std::string::npos) << said;
    EXPECT_NE(said.find("证书"), std::string::npos) << said;
    // The market says why it lists nothing, inside its window.
    frmmarket& market = windows->market();
    EXPECT_EQ(market.List1->count(), 0);
    EXPECT_FALSE(market.catalogueNote().isEmpty());
}

TEST_F(OfficialEndToEnd, AJarThatIsNotWhatTheJsonSaysIsRemovedAndReported) {
    ASSERT_NO_FATAL_FAILURE(serve());
    // The jar changes on the server after the JSON named its checksum.
    const std::string game = readAll(official->scratch.path() + "/game.jar");
    official->site.serve("/v1/objects/" + platform::sha1Hex(game) + "/client.jar", game + "x");
    frmmarket market(launcher->context);
    market.show();
    clickAndWait(market, market.PButton1, "1.8.9");
    EXPECT_FALSE(exists(launcher->path(".minecraft/versions/1.8.9/1.8.9.jar")));
    EXPECT_FALSE(exists(launcher->path(".minecraft/versions/1.8.9/client.jar")));
    ASSERT_FALSE(launcher->dialogs.shown.empty());
    EXPECT_NE(launcher->dialogs.messageTexts()[0].find("SHA-1"), std::string::npos)
        << launcher->dialogs.messageTexts()[0];
}

}  // namespace
