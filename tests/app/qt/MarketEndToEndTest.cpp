#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <memory>
#include <regex>

#include "GameJar.h"
#include "ModalTitles.h"
#include "NginxServer.h"
#include "RealLauncher.h"
#include "TempFolder.h"
#include "app/LauncherWindows.h"
#include "controls/qt/PButton.h"
#include "launch/qt/frmmain.h"
#include "market/qt/frmmarket.h"
#include "platform/TextFile.h"

// A newcomer's first session against the demo mirror served by nginx: an empty launcher folder,
// the native libraries at start-up, the market, a version, its assets on each of the three
// paths, its libraries before the launch, and the demo game started by the real Java.

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// The mirror of scripts/make-demo-mirror in a temporary folder, served by nginx; `www` is its
// folder. nginx starts first: the mirror's mod catalogue names the port.
struct DemoMirror {
    explicit DemoMirror(const std::string& source) {
        if (nginx.running())
            made = runProgram({source + "/../scripts/make-demo-mirror", www, nginx.baseUrl()});
    }
    TempFolder tree{"demo mirror"};
    const std::string www = tree.path() + "/www";
    NginxServer nginx{{www, {}, {}}};
    ProgramResult made;
};

// A player's launcher whose every service is the demo mirror.
struct DemoLauncher : RealLauncher {
    explicit DemoLauncher(const std::string& mirror)
        : RealLauncher({"source=mirror", "mirror=" + mirror, "official=" + mirror,
                        "files=" + mirror, "update=" + mirror},
                       "新 玩家") {}
};

// The hashes an asset index names.
std::vector<std::string> hashesOf(const std::string& index) {
    std::vector<std::string> hashes;
    static const std::regex hash("\"hash\": \"([0-9a-f]{40})\"");
    for (std::sregex_iterator it(index.begin(), index.end(), hash), end; it != end; ++it)
        hashes.push_back((*it)[1]);
    return hashes;
}

// Every file below `folder`, relative to it.
std::vector<std::string> filesBelow(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(platform::fromUtf8Path(folder))) {
        if (entry.is_regular_file())
            files.push_back(platform::toUtf8Path(entry.path().lexically_relative(folder)));
    }
    return files;
}

// Each test runs against a demo mirror of its own; without the tools to make one it is skipped.
struct MarketEndToEnd : ::testing::Test {
    void SetUp() override {
        const char* source = std::getenv("VENDROLUPA_TEST_SOURCE");
        if (!source) GTEST_SKIP() << "VENDROLUPA_TEST_SOURCE is not set (run through ctest)";
        if (!NginxServer::available() || !javaToolsAvailable())
            GTEST_SKIP() << "nginx, java, javac or jar is not installed";
        mirror_ = std::make_unique<DemoMirror>(source);
        ASSERT_TRUE(mirror_->nginx.running()) << mirror_->nginx.errorLog();
        ASSERT_EQ(mirror_->made.exitCode, 0) << mirror_->made.output;
    }
    std::unique_ptr<DemoMirror> mirror_;
};

TEST_F(MarketEndToEnd, FromAnEmptyFolderToARunningGame) {
    DemoMirror& mirror = *mirror_;
    const std::string& www = mirror.www;
    unsetenv("DISPLAY");  // the demo game then writes what it received and ends
    unsetenv("WAYLAND_DISPLAY");

    DemoLauncher launcher(mirror.nginx.baseUrl());
    LauncherWindows windows(launcher.context);
    ModalTitles modal;

    // Start-up: the native libraries of this platform arrive in native mode, then the window
    // closes and the start-up goes on.
    ASSERT_TRUE(startLauncher(launcher.context, windows));
    EXPECT_EQ(modal.titles, std::vector<std::string>{"Native更新中"});
    EXPECT_FALSE(windows.hasMarket());
    for (const char* name : {"liblwjgl.so", "liblwjgl64.so", "libopenal.so", "libopenal64.so",
                             "libjinput-linux.so", "libjinput-linux64.so"}) {
        EXPECT_EQ(readAll(launcher.path(".minecraft/native/") + name), readAll(www + "/" + name));
        // Each download's end is in the log, for a player who reports a problem.
        EXPECT_NE(readAll(launcher.path(".Vendrolupa_Data/launcher.log"))
                      .find("下载完毕：" + mirror.nginx.baseUrl() + "/" + name),
                  std::string::npos)
            << name;
    }
    frmmain& main = windows.mainWindow();
    EXPECT_TRUE(main.isVisible());

    // The market lists the mirror's catalogue.
    frmmarket& market = windows.market();
    market.show();
    QStringList lines;
    for (int i = 0; i < market.List1->count(); ++i)
        lines << market.List1->item(i)->text();
    EXPECT_EQ(lines, (QStringList{"版本名称：1.8.9-demo 版本类型：正式版",
                                  "版本名称：07w45a 版本类型：快照版",
                                  "版本名称：1.7.10-demo 版本类型：正式版",
                                  "版本名称：b1.7.3-demo 版本类型：Beta版",
                                  "版本名称：a1.0.4-demo 版本类型：Alpha版"}));

    // A version: its jar and JSON, and the main list shows it.
    clickAndWait(market, market.PButton1, "1.8.9-demo");
    for (const char* file : {"1.8.9-demo.jar", "1.8.9-demo.json"}) {
        EXPECT_TRUE(exists(launcher.path(".minecraft/versions/1.8.9-demo/") + file)) << file;
    }
    auto* bootitem = main.findChild<QComboBox*>("bootitem");
    EXPECT_NE(bootitem->findText("1.8.9-demo"), -1);

    // Assets on the three paths: the shared index, a snapshot's own index, the legacy index.
    struct AssetCase {
        const char* version;
        std::string index;  // on the mirror
        std::string installedIndex;
    };
    for (const AssetCase& c : {AssetCase{"1.8.9-demo", "indexes/1.8.json", "indexes/1.8.json"},
                               AssetCase{"07w45a", "indexes/07w45a.json", "indexes/07w45a.json"}}) {
        clickAndWait(market, market.PButton2, c.version);
        EXPECT_EQ(readAll(launcher.path(".minecraft/assets/" + c.installedIndex)),
                  readAll(www + "/" + c.index));
        std::vector<std::string> hashes = hashesOf(readAll(www + "/" + c.index));
        EXPECT_FALSE(hashes.empty());
        for (const std::string& hash : hashes) {
            std::string object = hash.substr(0, 2) + "/" + hash;
            EXPECT_EQ(readAll(launcher.path(".minecraft/assets/objects/" + object)),
                      readAll(www + "/assets/" + object))
                << c.version;
        }
    }
    clickAndWait(market, market.PButton2, "1.7.10-demo");
    const std::vector<std::string> resources = filesBelow(www + "/resources");
    EXPECT_FALSE(resources.empty()) << "the demo mirror serves no old-style resources";
    for (const std::string& name : resources) {
        EXPECT_EQ(readAll(launcher.path(".minecraft/assets/" + name)),
                  readAll(www + "/resources/" + name));
    }

    // Everything is there: a second click queues nothing and says so.
    clickAndWait(market, market.PButton2, "1.8.9-demo");
    EXPECT_EQ(launcher.dialogs.messageTexts(), std::vector<std::string>{"没有资源需要更新"});
    market.close();
    EXPECT_TRUE(market.closed());

    // The start button: the libraries arrive in library mode, then the game starts.
    bootitem->setCurrentText("1.8.9-demo");
    QTest::mouseClick(main.findChild<QLabel*>("btnstartgame"), Qt::LeftButton);
    EXPECT_EQ(modal.titles, (std::vector<std::string>{"Native更新中", "Libraries更新中"}));
    EXPECT_FALSE(windows.hasMarket());
    const std::vector<std::string> libraries = filesBelow(www + "/libraries");
    EXPECT_FALSE(libraries.empty()) << "the demo mirror serves no libraries";
    for (const std::string& jar : libraries) {
        EXPECT_EQ(readAll(launcher.path(".minecraft/libraries/" + jar)),
                  readAll(www + "/libraries/" + jar));
    }
    EXPECT_TRUE(launcher.ended) << (launcher.dialogs.shown.empty()
                                        ? ""
                                        : launcher.dialogs.shown.back().text);
    std::string written = waitForFile(launcher.path("demo-game.txt"), std::chrono::seconds(60))
                              .value_or("<the game wrote nothing>");
    EXPECT_NE(written.find("参数 1: Steve"), std::string::npos) << written;
    EXPECT_NE(written.find("演示库已从类路径载入"), std::string::npos) << written;
}

TEST_F(MarketEndToEnd, ModsTabListsTheMirrorsModsAndDownloadsOneIntoTheModsFolder) {
    DemoMirror& mirror = *mirror_;
    DemoLauncher launcher(mirror.nginx.baseUrl());
    launcher.folder.makeFolder(".minecraft/mods");  // as a Forge install leaves it

    frmmarket market(launcher.context);
    market.show();
    market.tabs_Click(1);
    auto choose = [&](const QString& version) {
        int index = market.选择版本->findText(version);
        market.选择版本->setCurrentIndex(index);
        emit market.选择版本->activated(index);
        QStringList names;
        for (int i = 0; i < market.List4->count(); ++i)
            names << market.List4->item(i)->text();
        return names;
    };
    EXPECT_EQ(choose("1.7.10"), (QStringList{"演示工业", "演示地图", "演示背包"}));
    EXPECT_EQ(market.modsNote(), "");
    EXPECT_EQ(choose("Other"), QStringList{"演示光影"});
    EXPECT_TRUE(choose("1.6.4").isEmpty());

    choose("1.7.10");
    market.List4->setCurrentRow(1);
    market.List4_Click(1);
    EXPECT_EQ(market.Label9->text(), "Mod描述：演示用的小地图：在屏幕一角显示周围的地形");
    QTest::mouseClick(market.PButton3, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return market.pipeline().empty(); }, 30000));
    const std::string jar = "/mods/1.7.10/demo-minimap-2.1.jar";
    EXPECT_EQ(readAll(launcher.path(".minecraft/mods/demo-minimap-2.1.jar")),
              readAll(mirror.www + jar));
    EXPECT_FALSE(readAll(mirror.www + jar).empty());
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

// A version with its own argument lists and a profile over it: installed from the market and
// started with "开始游戏" through the real Java, each with the options its lists name.
TEST_F(MarketEndToEnd, CurrentFormatVersionAndProfileStartFromAnEmptyFolder) {
    DemoMirror& mirror = *mirror_;
    const std::string& www = mirror.www;
    ProgramResult added = runProgram(
        {std::string(std::getenv("VENDROLUPA_TEST_SOURCE")) + "/../scripts/make-demo-current", www,
         mirror.nginx.baseUrl()});
    ASSERT_EQ(added.exitCode, 0) << added.output;
    // For the documentation the first game shows its window on a (virtual) display and saves a
    // picture of it; otherwise the games write what they received and end.
    const char* pictures = std::getenv("VENDROLUPA_SCREENSHOTS");
    if (!pictures) unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");

    DemoLauncher launcher(mirror.nginx.baseUrl());
    LauncherWindows windows(launcher.context);
    ModalTitles modal;
    ASSERT_TRUE(startLauncher(launcher.context, windows));
    frmmain& main = windows.mainWindow();
    frmmarket& market = windows.market();
    market.show();
    EXPECT_EQ(market.List1->item(0)->text(), "版本名称：1.20-demo-loader 版本类型：正式版");
    clickAndWait(market, market.PButton1, "1.20-demo");
    clickAndWait(market, market.PButton1, "1.20-demo-loader");
    // The asset index the version names, saved under its own id.
    clickAndWait(market, market.PButton2, "1.20-demo");
    EXPECT_EQ(readAll(launcher.path(".minecraft/assets/indexes/demo-5.json")),
              readAll(www + "/indexes/demo-5.json"));
    for (const std::string& hash : hashesOf(readAll(www + "/indexes/demo-5.json"))) {
        std::string object = hash.substr(0, 2) + "/" + hash;
        EXPECT_EQ(readAll(launcher.path(".minecraft/assets/objects/" + object)),
                  readAll(www + "/assets/" + object));
    }
    EXPECT_FALSE(exists(launcher.path(".minecraft/assets/indexes/1.8.json")));
    market.close();

    auto* bootitem = main.findChild<QComboBox*>("bootitem");
    struct Start {
        const char* version;
        std::vector<std::string> said;
    };
    for (const Start& start :
         {Start{"1.20-demo",
                {"选项齐全。", "本地库文件: 演示本地库 (natives-linux)", "启动器: Vendrolupa ",
                 "选项 --assetIndex = demo-5", "选项 --username = Steve",
                 "选项 --versionType = release"}},
          Start{"1.20-demo-loader",
                {"选项齐全。", "演示加载器已启动 (1.20-demo-loader)", "参数 19: --launchTarget",
                 "本地库文件: 演示本地库 (natives-linux)", "演示库已从类路径载入"}}}) {
        std::filesystem::remove(platform::fromUtf8Path(launcher.path("demo-game.txt")));
        launcher.ended = false;
        const std::string picture =
            pictures ? std::string(pictures) + "/demo-game-current.png" : "";
        if (pictures && start.version == std::string("1.20-demo")) {
            setenv("VENDROLUPA_DEMO_SCREENSHOT", picture.c_str(), 1);
            std::filesystem::remove(platform::fromUtf8Path(picture));
        } else {
            unsetenv("VENDROLUPA_DEMO_SCREENSHOT");
            unsetenv("DISPLAY");
        }
        ASSERT_NE(bootitem->findText(start.version), -1) << start.version;
        bootitem->setCurrentText(start.version);
        QTest::mouseClick(main.findChild<QLabel*>("btnstartgame"), Qt::LeftButton);
        EXPECT_TRUE(launcher.ended)
            << start.version << ": "
            << (launcher.dialogs.shown.empty() ? "" : launcher.dialogs.shown.back().text);
        std::string written = waitForFile(launcher.path("demo-game.txt"), std::chrono::seconds(60))
                                  .value_or("<the game wrote nothing>");
        for (const std::string& line : start.said)
            EXPECT_NE(written.find(line), std::string::npos)
                << start.version << ": " << line << "\n"
                << written;
        if (std::getenv("VENDROLUPA_DEMO_SCREENSHOT"))
            EXPECT_TRUE(waitForFile(picture, std::chrono::seconds(60))) << picture;
    }
    unsetenv("VENDROLUPA_DEMO_SCREENSHOT");
    // Only what this system's rules allow was fetched; natives in the version's own folder.
    EXPECT_TRUE(exists(launcher.path(
        ".minecraft/libraries/vendrolupa/demo/demo-lwjgl3/1.0/demo-lwjgl3-1.0-natives-linux.jar")));
    EXPECT_FALSE(
        exists(launcher.path(".minecraft/libraries/vendrolupa/demo/demo-lwjgl3/1.0/"
                             "demo-lwjgl3-1.0-natives-windows.jar")));
    EXPECT_FALSE(exists(launcher.path(".minecraft/libraries/vendrolupa/demo/demo-macos-only")));
    EXPECT_TRUE(
        exists(launcher.path(".minecraft/versions/1.20-demo-loader/natives/demo-native.txt")));
    EXPECT_FALSE(
        exists(launcher.path(".minecraft/versions/1.20-demo/natives/demo-native.txt.sha1")));
    EXPECT_FALSE(exists(launcher.path(".minecraft/versions/1.20-demo/natives/META-INF")));
}

}  // namespace
