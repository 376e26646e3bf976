#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "GameJar.h"
#include "LaunchFixtures.h"
#include "LoopbackHttpServer.h"
#include "RecordingLaunchUi.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "TestSeams.h"
#include "platform/curl/CurlHttpClient.h"

// Launches through the real process start and a real Java runtime: the probe game writes
// what it received into the launcher folder.

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const char* kGameClass = "probe.game.Main";

class LaunchEndToEnd : public ::testing::Test {
  protected:
    static void TearDownTestSuite() {
        delete jars_;
        jars_ = nullptr;
    }

    // The jar `name` ("greeting", "game" or "minecraft"), compiled on first use and shared by
    // the tests of one run; each ctest process builds only what its test needs.
    static std::string jar(const std::string& name) {
        if (!jars_) jars_ = new TempFolder("probe-jars");
        std::string path = jars_->file(name + ".jar");
        if (exists(path)) return path;
        JarBuilder builder;
        if (name == "greeting") builder.source("probe.lib.Greeting", probeLibrarySource());
        if (name == "game") builder.source(kGameClass, probeGameSource(kGameClass));
        if (name == "minecraft") {
            builder.source("net.minecraft.client.Minecraft",
                           probeGameSource("net.minecraft.client.Minecraft"));
        }
        std::string error = builder.build(path);
        EXPECT_EQ(error, "") << name;
        return path;
    }

    void SetUp() override {
        if (!javaToolsAvailable()) GTEST_SKIP() << "java, javac or jar is not installed";
    }

    // A launcher in a folder named by `nameHint` with the real process start.
    struct Launcher {
        explicit Launcher(const std::string& nameHint)
            : folder(nameHint),
              context(folder.path(), Seams{dialogs, processes, http, random, clock, [](int) {}},
                      platform::PathStyle::posix()) {
            context.hooks.endProcess = [this] { ended = true; };
            context.config.memoryMb = "256";
            context.config.javaPath = findOnPath("java");
        }
        std::string path(const std::string& relative) const { return folder.path() + relative; }
        // What the game wrote, once it has written it.
        std::string output() const {
            return waitForFile(path("/probe-output.txt"), std::chrono::seconds(60))
                .value_or("<the game wrote nothing>");
        }

        TempFolder folder;
        ScriptedDialogs dialogs;
        platform::SystemProcessStarter processes;
        platform::CurlHttpClient http;
        SequenceRandom random;
        ManualClock clock;
        bool ended = false;
        LauncherContext context;
        launch_fixtures::RecordingLaunchUi ui;
    };

    // Lays out version `id` in the new layout: the game jar, a JSON naming the probe game and
    // the library (plain and native), and the library jar in its folder.
    static void installModern(const Launcher& launcher, const std::string& id) {
        std::string versionFolder = launcher.path("/.minecraft/versions/" + id);
        fs::create_directories(platform::fromUtf8Path(versionFolder));
        fs::copy_file(jar("game"), platform::fromUtf8Path(versionFolder + "/" + id + ".jar"));
        launch_fixtures::writeVersion(
            launcher.folder, id,
            launch_fixtures::versionJson(id, kGameClass,
                                         {{"probe.lib:greeting:1.0", "natives-windows"}}));
        std::string libraryFolder = launcher.path("/.minecraft/libraries/probe/lib/greeting/1.0");
        fs::create_directories(platform::fromUtf8Path(libraryFolder));
        fs::copy_file(jar("greeting"), platform::fromUtf8Path(libraryFolder + "/greeting-1.0.jar"));
    }

    static std::string modernClassPath(const Launcher& launcher, const std::string& id) {
        std::string library = launcher.path("/.minecraft/libraries/probe/lib/greeting/1.0/");
        return library + "greeting-1.0-natives-windows.jar:" + library + "greeting-1.0.jar:" +
               launcher.path("/.minecraft/versions/" + id + "/" + id + ".jar");
    }

    static std::string realPath(const std::string& path) {
        return platform::toUtf8Path(fs::canonical(platform::fromUtf8Path(path)));
    }

    static inline TempFolder* jars_ = nullptr;
};

std::vector<std::string> offlineTail(const std::string& id) {
    return {"--session",        "${auth_session}",
            "--version",        id,
            "--gameDir",        ".minecraft",
            "--assetsDir",      ".minecraft/assets",
            "--uuid",           "${auth_uuid}",
            "--assetIndex",     id,
            "--userProperties", "{}",
            "--userType",       "legacy",
            "--accessToken",    "${auth_access_token}",
            "--tweakClass",     "cpw.mods.fml.common.launcher.FMLTweaker"};
}

}  // namespace

TEST_F(LaunchEndToEnd, ModernLayoutInAChineseFolderWithAnUnsafeName) {
    Launcher launcher("游戏 目录");
    installModern(launcher, "1.7.10");
    launcher.context.config.userName = "Alex \"the Great\" $(touch pwned)";
    ASSERT_TRUE(runLaunchSequence(launcher.context, "1.7.10", launcher.ui))
        << (launcher.dialogs.shown.empty() ? "" : launcher.dialogs.shown[0].text);
    EXPECT_TRUE(launcher.ended);

    std::string output = launcher.output();
    // The name is split by the Windows command-line rules and never seen by a shell.
    std::vector<std::string> expected{"Alex", "the Great", "$(touch", "pwned)"};
    for (const std::string& word : offlineTail("1.7.10"))
        expected.push_back(word);
    EXPECT_EQ(probeValues(output, "arg"), expected) << output;
    EXPECT_EQ(probeValues(output, "classpath"),
              std::vector<std::string>{modernClassPath(launcher, "1.7.10")});
    EXPECT_EQ(probeValues(output, "librarypath"), std::vector<std::string>{".minecraft/native"});
    EXPECT_EQ(probeValues(output, "workdir"),
              std::vector<std::string>{realPath(launcher.folder.path())});
    EXPECT_EQ(probeValues(output, "library"), std::vector<std::string>{kProbeGreeting});
    EXPECT_FALSE(exists(launcher.path("/pwned")));
}

TEST_F(LaunchEndToEnd, OldLayoutTakesEveryJarOfTheVersionFolder) {
    Launcher launcher("旧版 游戏");
    launcher.context.config.userName = "Steve";
    std::string version = launcher.path("/.minecraft/versions/b1.7.3/");
    fs::create_directories(platform::fromUtf8Path(version + "bin"));
    fs::copy_file(jar("minecraft"), platform::fromUtf8Path(version + "minecraft.jar"));
    fs::copy_file(jar("greeting"), platform::fromUtf8Path(version + "bin/greeting.jar"));
    // The old layout's fixed options are for the runtimes of its time; this stand-in drops
    // the one option today's runtime refuses and lets it ignore the retired -XX options.
    launcher.context.config.javaPath = launcher.folder.write(
        "旧 Java/java",
        "#!/bin/sh\nfirst=1\nfor a in \"$@\"; do\n  if [ $first = 1 ]; then set --; first=0; fi\n"
        "  [ \"$a\" = -Xincgc ] || set -- \"$@\" \"$a\"\ndone\n"
        "exec '" +
            findOnPath("java") + "' -XX:+IgnoreUnrecognizedVMOptions \"$@\"\n");
    fs::permissions(platform::fromUtf8Path(launcher.context.config.javaPath), fs::perms::owner_exec,
                    fs::perm_options::add);
    ASSERT_TRUE(runLaunchSequence(launcher.context, "b1.7.3", launcher.ui));

    std::string output = launcher.output();
    EXPECT_EQ(probeValues(output, "arg"), std::vector<std::string>{"Steve"}) << output;
    EXPECT_EQ(probeValues(output, "classpath"),
              std::vector<std::string>{version + "minecraft.jar:" + version + "bin/greeting.jar"});
    EXPECT_EQ(probeValues(output, "librarypath"), std::vector<std::string>{version + "natives"});
    EXPECT_EQ(probeValues(output, "workdir"),
              std::vector<std::string>{realPath(launcher.folder.path())});
    EXPECT_EQ(probeValues(output, "library"), std::vector<std::string>{kProbeGreeting});
}

TEST_F(LaunchEndToEnd, SignedInValuesReachTheGame) {
    LoopbackHttpServer auth(LoopbackHttpServer::replyWith(LoopbackHttpServer::response(
        200,
        "{\"accessToken\":\"9f8e7d\",\"clientToken\":\"c1\",\"availableProfiles\":[{\"id\":"
        "\"4566e69fc90748ee8d71d7ba5aa00d20\",\"name\":\"玩家 One\"}]}")));
    Launcher launcher("正版 登录");
    installModern(launcher, "1.8");
    launcher.context.services.auth = auth.baseUrl();
    launcher.context.config.userName = "someone@example.com";
    launcher.context.config.password = "p@ss word";
    ASSERT_TRUE(runLaunchSequence(launcher.context, "1.8", launcher.ui));

    std::string output = launcher.output();
    EXPECT_EQ(probeValues(output, "arg"),
              (std::vector<std::string>{
                  "--username", "玩家", "One", "--version", "1.8", "--gameDir", ".minecraft",
                  "--assetsDir", ".minecraft/assets", "--uuid", "4566e69fc90748ee8d71d7ba5aa00d20",
                  "--assetIndex", "1.8", "--userProperties", "{}", "--userType", "Legacy",
                  "--accessToken", "9f8e7d"}))
        << output;
    ASSERT_EQ(auth.requests().size(), 1u);
    EXPECT_NE(auth.requests()[0].find("\"password\": \"p@ss word\""), std::string::npos);
}

TEST_F(LaunchEndToEnd, DemoVersionOfTheRunScriptStarts) {
    const char* source = std::getenv("VENDROLUPA_TEST_SOURCE");
    if (!source) GTEST_SKIP() << "VENDROLUPA_TEST_SOURCE is not set (run through ctest)";
    Launcher launcher("演示 启动器");
    std::string script = std::string(source) + "/../scripts/make-demo-version";
    ProgramResult made = runProgram({script, launcher.folder.path()});
    ASSERT_EQ(made.exitCode, 0) << made.output;
    // A second run keeps what is there.
    ASSERT_EQ(runProgram({script, launcher.folder.path()}).exitCode, 0);

    // No window: the demo game prints and writes what it received.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    launcher.context.config.userName = "Steve";
    ASSERT_TRUE(runLaunchSequence(launcher.context, "1.8-demo", launcher.ui))
        << (launcher.dialogs.shown.empty() ? "" : launcher.dialogs.shown[0].text);
    std::string written = waitForFile(launcher.path("/demo-game.txt"), std::chrono::seconds(60))
                              .value_or("<nothing>");
    EXPECT_NE(written.find("参数 1: Steve"), std::string::npos) << written;
    EXPECT_NE(written.find("演示库已从类路径载入"), std::string::npos) << written;
}
