#include "launch/CurrentFormatArgs.h"

#include <gtest/gtest.h>

#include "platform/CommandLine.h"

namespace {

using Texts = std::vector<std::string>;

// The argument lists of a release of today, shortened, in their published shape.
const char* kRelease = R"({
  "arguments": {
    "game": ["--username", "${auth_player_name}", "--version", "${version_name}",
      "--gameDir", "${game_directory}", "--assetsDir", "${assets_root}",
      "--assetIndex", "${assets_index_name}", "--uuid", "${auth_uuid}",
      "--accessToken", "${auth_access_token}", "--clientId", "${clientid}", "--xuid", "${auth_xuid}",
      "--userType", "${user_type}", "--versionType", "${version_type}",
      {"rules": [{"action": "allow", "features": {"is_demo_user": true}}], "value": "--demo"},
      {"rules": [{"action": "allow", "features": {"has_custom_resolution": true}}],
       "value": ["--width", "${resolution_width}", "--height", "${resolution_height}"]},
      {"rules": [{"action": "allow", "features": {"has_quick_plays_support": true}}],
       "value": ["--quickPlayPath", "${quickPlayPath}"]}],
    "jvm": [
      {"rules": [{"action": "allow", "os": {"name": "osx"}}], "value": ["-XstartOnFirstThread"]},
      {"rules": [{"action": "allow", "os": {"name": "windows"}}],
       "value": "-XX:HeapDumpPath=MojangTricksIntelDriversForPerformance_javaw.exe_minecraft.exe.heapdump"},
      {"rules": [{"action": "allow", "os": {"name": "windows", "version": "^10\\."}}],
       "value": ["-Dos.name=Windows 10", "-Dos.version=10.0"]},
      {"rules": [{"action": "allow", "os": {"arch": "x86"}}], "value": "-Xss1M"},
      "-Djava.library.path=${natives_directory}", "-Djna.tmpdir=${natives_directory}",
      "-Dminecraft.launcher.brand=${launcher_name}", "-Dminecraft.launcher.version=${launcher_version}",
      "-DlibraryDirectory=${library_directory}", "-cp", "${classpath}",
      {"value": "-Dno.rules=1"}]
  },
  "assetIndex": {"id": "5", "url": "https://x/5.json"},
  "assets": "5",
  "id": "1.20.1",
  "libraries": [
    {"name": "com.mojang:logging:1.1.1", "downloads": {"artifact": {"path": "com/mojang/logging/1.1.1/logging-1.1.1.jar"}}},
    {"name": "org.lwjgl:lwjgl:3.3.1:natives-linux", "rules": [{"action": "allow", "os": {"name": "linux"}}]}
  ],
  "mainClass": "net.minecraft.client.main.Main",
  "type": "release"
})";

MergedVersion release() {
    platform::Result<launch::VersionJson> json = launch::parseVersionJson(kRelease);
    EXPECT_TRUE(json) << json.reason();
    return mergeVersionChain({json.value()});
}

LaunchValues player(const std::string& token, const std::string& uuid, platform::PathStyle style) {
    LaunchValues values;
    values.memoryMb = 2048;
    values.userName = "玩家 一号";
    values.versionId = "1.20.1";
    GameFolders relative("", style);
    values.assetsDir = relative.relativeAssets();
    values.gameDir = relative.relativeRoot();
    values.accessToken = token;
    values.uuid = uuid;
    values.launcherVersion = "2.1.0";
    return values;
}

TEST(CurrentFormatArgs, TheWholeCommandLineOfARelease) {
    const std::string offline = offlinePlayerUuid("玩家 一号");
    struct Case {
        const char* what;
        LibrarySystem system;
        platform::PathStyle style;
        std::string launcher;
        std::string token, uuid;
        Texts jvm;   // between "-Xmx2048m" and the main class
        Texts game;  // after the main class
    };
    const std::vector<Case> cases = {
        {"offline on 64-bit Linux",
         {{"linux", true, "6.1.0", "amd64"}, "64"},
         platform::PathStyle::posix(),
         "/游戏 目录",
         "",
         "",
         {"-Djava.library.path=/游戏 目录/.minecraft/versions/1.20.1/natives",
          "-Djna.tmpdir=/游戏 目录/.minecraft/versions/1.20.1/natives",
          "-Dminecraft.launcher.brand=Vendrolupa", "-Dminecraft.launcher.version=2.1.0",
          "-DlibraryDirectory=/游戏 目录/.minecraft/libraries", "-cp",
          "/游戏 目录/.minecraft/libraries/com/mojang/logging/1.1.1/logging-1.1.1.jar:"
          "/游戏 目录/.minecraft/libraries/org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar:"
          "/游戏 目录/.minecraft/versions/1.20.1/1.20.1.jar",
          "-Dno.rules=1"},
         {"--username", "玩家 一号", "--version", "1.20.1", "--gameDir", ".minecraft",
          "--assetsDir", ".minecraft/assets", "--assetIndex", "5", "--uuid", offline,
          "--accessToken", offline, "--userType", "legacy", "--versionType", "release"}},
        {"signed in on 32-bit Windows 10",
         {{"windows", false, "10.0.19045", "x86"}, "32"},
         platform::PathStyle::windows(),
         R"(C:\游戏)",
         "token-1",
         "0123456789abcdef0123456789abcdef",
         {"-XX:HeapDumpPath=MojangTricksIntelDriversForPerformance_javaw.exe_minecraft.exe."
          "heapdump",
          "-Dos.name=Windows 10", "-Dos.version=10.0", "-Xss1M",
          R"(-Djava.library.path=C:\游戏\.minecraft\versions\1.20.1\natives)",
          R"(-Djna.tmpdir=C:\游戏\.minecraft\versions\1.20.1\natives)",
          "-Dminecraft.launcher.brand=Vendrolupa", "-Dminecraft.launcher.version=2.1.0",
          R"(-DlibraryDirectory=C:\游戏\.minecraft\libraries)", "-cp",
          R"(C:\游戏\.minecraft\libraries\com\mojang\logging\1.1.1\logging-1.1.1.jar;)"
          R"(C:\游戏\.minecraft\versions\1.20.1\1.20.1.jar)",
          "-Dno.rules=1"},
         {"--username", "玩家 一号", "--version", "1.20.1", "--gameDir", ".minecraft",
          "--assetsDir", R"(.minecraft\assets)", "--assetIndex", "5", "--uuid",
          "0123456789abcdef0123456789abcdef", "--accessToken", "token-1", "--userType", "mojang",
          "--versionType", "release"}},
    };
    const MergedVersion version = release();
    for (const Case& c : cases) {
        GameFolders folders(c.launcher, c.style);
        LaunchValues values = player(c.token, c.uuid, c.style);
        Texts expected = {"-Xmx2048m"};
        expected.insert(expected.end(), c.jvm.begin(), c.jvm.end());
        expected.push_back("net.minecraft.client.main.Main");
        expected.insert(expected.end(), c.game.begin(), c.game.end());
        EXPECT_EQ(currentFormatArguments(values, version, folders, c.system), expected) << c.what;

        // Joined into a command line, the Windows splitting gives back exactly these elements.
        LaunchArgs args;
        addCurrentFormatArgs(args, values, version, folders, c.system);
        EXPECT_EQ(platform::splitWindowsCommandLine(args.JoinArgs()), expected) << c.what;
    }
}

TEST(CurrentFormatArgs, OlderTemplatesGetTheirSessionAndProperties) {
    platform::Result<launch::VersionJson> json = launch::parseVersionJson(R"({
      "id": "forge", "inheritsFrom": "1.7.10", "mainClass": "net.minecraft.launchwrapper.Launch",
      "minecraftArguments": "--username ${auth_player_name} --session ${auth_session} --uuid ${auth_uuid} --userProperties ${user_properties} --assetsDir ${game_assets} --unknown ${not_a_placeholder} --sep ${classpath_separator}"})");
    platform::Result<launch::VersionJson> parent =
        launch::parseVersionJson(R"({"id": "1.7.10", "mainClass": "x", "assets": "1.7.10"})");
    ASSERT_TRUE(json && parent);
    const MergedVersion version = mergeVersionChain({json.value(), parent.value()});
    const LibrarySystem linux{{"linux", true, "", "amd64"}, "64"};
    const GameFolders folders("/l", platform::PathStyle::posix());
    struct Case {
        std::string token, uuid, session, shownUuid;
    };
    const std::string offline = offlinePlayerUuid("玩家 一号");
    for (const Case& c : {Case{"", "", offline, offline}, Case{"tok", "id", "token:tok:id", "id"},
                          // A token without a profile id is no sign-in.
                          Case{"tok", "", offline, offline}}) {
        Texts arguments = currentFormatArguments(
            player(c.token, c.uuid, platform::PathStyle::posix()), version, folders, linux);
        Texts game(arguments.end() - 14, arguments.end());
        EXPECT_EQ(game,
                  (Texts{"--username", "玩家 一号", "--session", c.session, "--uuid", c.shownUuid,
                         "--userProperties", "{}", "--assetsDir", ".minecraft/assets", "--unknown",
                         "${not_a_placeholder}", "--sep", ":"}))
            << c.token;
        // Before the arguments block the parent's stand-in JVM list names the natives and jars.
        EXPECT_EQ(arguments[1], "-Djava.library.path=/l/.minecraft/versions/forge/natives");
        EXPECT_EQ(arguments[3], "/l/.minecraft/versions/1.7.10/1.7.10.jar");
    }
}

}  // namespace
