#include <gtest/gtest.h>

#include <filesystem>

#include "LaunchFixtures.h"
#include "RecordingLaunchUi.h"
#include "TestLauncher.h"
#include "ZipBuilder.h"
#include "launch/CurrentFormatArgs.h"
#include "platform/CommandLine.h"

// The launch of versions with their own argument lists and of profiles, with a stand-in Java
// that reports its version and a recording process starter.

#ifndef _WIN32
using launch_fixtures::RecordingLaunchUi;
using launch_fixtures::writeVersion;
using testing_support::TestLauncher;

namespace {

using Texts = std::vector<std::string>;

const char* kRelease = R"({
  "arguments": {
    "game": ["--username", "${auth_player_name}", "--uuid", "${auth_uuid}", "--xuid", "${auth_xuid}"],
    "jvm": ["-Djava.library.path=${natives_directory}", "-cp", "${classpath}"]
  },
  "assetIndex": {"id": "5"},
  "id": "1.20.1",
  "javaVersion": {"majorVersion": 17},
  "libraries": [
    {"name": "a:plain:1"},
    {"name": "a:nat:1", "natives": {"linux": "natives-linux", "windows": "natives-windows"},
     "extract": {"exclude": ["META-INF/"]}}
  ],
  "mainClass": "net.minecraft.client.main.Main",
  "type": "release"
})";

struct CurrentLaunch {
    TestLauncher launcher{"当前 格式"};
    RecordingLaunchUi ui;

    explicit CurrentLaunch(const std::string& javaVersion) {
        launcher.context.config.userName = "Steve";
        launcher.context.config.memoryMb = "1024";
        launcher.folder.makeFolder(".Vendrolupa_Data");
        launcher.context.log = platform::Log(launcher.context.dataFile("launcher.log"));
        launcher.context.config.javaPath =
            launcher.folder.write("Java 运行时/bin/java", "#!/bin/sh\necho 'openjdk version \"" +
                                                              javaVersion + "\"' >&2\n");
        std::filesystem::permissions(launcher.context.config.javaPath,
                                     std::filesystem::perms::owner_all);
        writeVersion(launcher.folder, "1.20.1", kRelease);
        testing_support::writeZip(
            launcher.folder.path() + "/.minecraft/libraries/a/nat/1/nat-1-natives-linux.jar",
            {{"META-INF/MANIFEST.MF", "x"}, {"libnat.so", "ELF"}});
    }
    bool launch(const std::string& id) { return runLaunchSequence(launcher.context, id, ui); }
    std::string shown() const {
        return launcher.dialogs.shown.empty() ? "" : launcher.dialogs.shown.back().text;
    }
    std::string log() const {
        return testing_support::readAll(launcher.context.dataFile("launcher.log"));
    }
};

TEST(CurrentFormatLaunch, StartsWithItsOwnArgumentsAfterExtractingTheNatives) {
    struct Case {
        const char* what;
        std::string chosen;
        std::vector<std::pair<std::string, std::string>> extraVersions;
        std::string mainClass;
        Texts extraGame;
    };
    const std::vector<Case> cases = {
        {"the release itself", "1.20.1", {}, "net.minecraft.client.main.Main", {}},
        {"a profile over it",
         "loader",
         {{"loader", R"({"id": "loader", "inheritsFrom": "1.20.1", "mainClass": "loader.Main",
                        "arguments": {"game": ["--loader"]},
                        "libraries": [{"name": "l:loader:2"}]})"}},
         "loader.Main",
         {"--loader"}},
    };
    for (const Case& c : cases) {
        CurrentLaunch f("17.0.9");
        for (const auto& [id, json] : c.extraVersions)
            writeVersion(f.launcher.folder, id, json);
        ASSERT_TRUE(f.launch(c.chosen)) << c.what << ": " << f.shown();
        const std::string l = f.launcher.folder.path();
        const std::string natives = l + "/.minecraft/versions/" + c.chosen + "/natives";
        EXPECT_EQ(testing_support::readAll(natives + "/libnat.so"), "ELF") << c.what;
        EXPECT_FALSE(testing_support::exists(natives + "/META-INF/MANIFEST.MF")) << c.what;

        ASSERT_EQ(f.launcher.processes.started.size(), 1u) << c.what;
        Texts words =
            platform::splitWindowsCommandLine(f.launcher.processes.started[0].commandLine);
        std::string classPath = l + "/.minecraft/libraries/a/plain/1/plain-1.jar:" + l +
                                "/.minecraft/versions/1.20.1/1.20.1.jar";
        if (c.chosen == "loader")
            classPath = l + "/.minecraft/libraries/l/loader/2/loader-2.jar:" + classPath;
        Texts expected = {f.launcher.context.config.javaPath,
                          "-Xmx1024m",
                          "-Djava.library.path=" + natives,
                          "-cp",
                          classPath,
                          c.mainClass,
                          "--username",
                          "Steve",
                          "--uuid",
                          offlinePlayerUuid("Steve")};
        expected.insert(expected.end(), c.extraGame.begin(), c.extraGame.end());
        EXPECT_EQ(words, expected) << c.what;
        EXPECT_TRUE(f.launcher.ended) << c.what;
    }
}

TEST(CurrentFormatLaunch, WhatStopsTheStartIsSaidAndLogged) {
    struct Case {
        const char* what;
        std::string javaVersion;
        std::string chosen;
        std::vector<std::pair<std::string, std::string>> extraVersions;
        std::string hostileEntry;  // put into the natives jar when not empty
        Texts shownHolds;
    };
    const std::vector<Case> cases = {
        {"a Java older than the version needs",
         "1.8.0_392",
         "1.20.1",
         {},
         "",
         {"此版本需要 Java 17，设置中的 Java 是 8：", "Java 运行时/bin/java"}},
        {"a profile whose parent is not installed",
         "17.0.9",
         "loader",
         {{"loader", R"({"id": "loader", "inheritsFrom": "1.21", "mainClass": "l.M"})"}},
         "",
         {"无法启动版本“loader”", "“1.21”", "没有安装"}},
        {"a natives jar with an entry that climbs out",
         "17.0.9",
         "1.20.1",
         {},
         "../../../../evil.so",
         {"无法启动游戏", "nat-1-natives-linux.jar", "../../../../evil.so"}},
    };
    for (const Case& c : cases) {
        CurrentLaunch f(c.javaVersion);
        for (const auto& [id, json] : c.extraVersions)
            writeVersion(f.launcher.folder, id, json);
        if (!c.hostileEntry.empty()) {
            testing_support::writeZip(
                f.launcher.folder.path() + "/.minecraft/libraries/a/nat/1/nat-1-natives-linux.jar",
                {{c.hostileEntry, "evil"}});
        }
        EXPECT_FALSE(f.launch(c.chosen)) << c.what;
        EXPECT_TRUE(f.launcher.processes.started.empty()) << c.what;
        EXPECT_FALSE(f.launcher.ended) << c.what;
        for (const std::string& part : c.shownHolds) {
            EXPECT_NE(f.shown().find(part), std::string::npos) << c.what << ": " << f.shown();
            EXPECT_NE(f.log().find(part), std::string::npos) << c.what << ": " << f.log();
        }
        EXPECT_EQ(f.ui.calls.back(), "restore") << c.what;
    }
}

}  // namespace
#endif
