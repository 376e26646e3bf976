#include "launch/LibraryFiles.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(LibraryFiles, NamesGiveMavenPaths) {
    struct Case {
        std::string name;
        std::string classifier;
        std::optional<std::string> path;
    };
    const std::vector<Case> cases = {
        {"org.lwjgl:lwjgl:3.3.1", "", "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1.jar"},
        {"org.lwjgl:lwjgl:3.3.1:natives-linux", "",
         "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar"},
        {"org.lwjgl.lwjgl:lwjgl-platform:2.9.4", "natives-windows",
         "org/lwjgl/lwjgl/lwjgl-platform/2.9.4/lwjgl-platform-2.9.4-natives-windows.jar"},
        {"de.oceanlabs.mcp:mcp_config:1.20.1@zip", "",
         "de/oceanlabs/mcp/mcp_config/1.20.1/mcp_config-1.20.1.zip"},
        {"net.fabricmc:intermediary:1.20.1", "",
         "net/fabricmc/intermediary/1.20.1/intermediary-1.20.1.jar"},
        {"only:two", "", std::nullopt},
        {"nocolon", "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pathFromName(c.name, c.classifier), c.path) << c.name;
}

// One version's libraries in the shapes releases and loaders write them.
const char* kLibraries = R"({"id": "v", "mainClass": "a.B", "arguments": {}, "libraries": [
  {"name": "com.mojang:logging:1.1.1", "downloads": {"artifact": {
     "path": "com/mojang/logging/1.1.1/logging-1.1.1.jar", "sha1": "832b", "size": 1,
     "url": "https://libraries.example/com/mojang/logging/1.1.1/logging-1.1.1.jar"}}},
  {"name": "ca.weblite:java-objc-bridge:1.1", "rules": [{"action": "allow", "os": {"name": "osx"}}],
   "downloads": {"artifact": {"path": "ca/weblite/java-objc-bridge/1.1/java-objc-bridge-1.1.jar"}}},
  {"name": "org.lwjgl:lwjgl:3.3.1:natives-linux", "rules": [{"action": "allow", "os": {"name": "linux"}}],
   "downloads": {"artifact": {"path": "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar", "sha1": "aa"}}},
  {"name": "org.lwjgl:lwjgl:3.3.1:natives-windows-x86", "rules": [{"action": "allow", "os": {"name": "windows", "arch": "x86"}}]},
  {"name": "org.lwjgl:lwjgl:3.2.2", "rules": [{"action": "allow"}, {"action": "disallow", "os": {"name": "osx"}}],
   "downloads": {"artifact": {"path": "org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2.jar"}}},
  {"name": "org.lwjgl:lwjgl:3.2.2", "natives": {"linux": "natives-linux", "windows": "natives-windows"},
   "extract": {"exclude": ["META-INF/"]},
   "downloads": {"artifact": {"path": "org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2.jar"},
                 "classifiers": {"natives-linux": {"path": "org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-linux.jar", "sha1": "bb"},
                                 "natives-windows": {"path": "org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-windows.jar"}}}},
  {"name": "tv.twitch:twitch-platform:5.16", "natives": {"windows": "natives-windows-${arch}"}},
  {"name": "net.fabricmc:sponge-mixin:0.12.5", "url": "https://maven.example/repo"},
  {"name": "evil:escape:1", "downloads": {"artifact": {"path": "../../../escape.jar"}}},
  {"name": "evil:natives:1", "natives": {"linux": "natives-linux", "windows": "natives-windows"},
   "downloads": {"classifiers": {"natives-linux": {"path": "/etc/natives.jar"}, "natives-windows": {"path": "a\\..\\b.jar"}}}}
]})";

TEST(LibraryFiles, EachSystemTakesTheLibrariesItsRulesAllow) {
    struct Case {
        LibrarySystem system;
        Texts classPath;
        Texts natives;
    };
    const std::vector<Case> cases = {
        {{{"linux", true, "6.1.0", "amd64"}, "64"},
         {"com/mojang/logging/1.1.1/logging-1.1.1.jar",
          "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar",
          "org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2.jar",
          "net/fabricmc/sponge-mixin/0.12.5/sponge-mixin-0.12.5.jar"},
         {"org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-linux.jar"}},
        {{{"windows", false, "10.0", "x86"}, "32"},
         {"com/mojang/logging/1.1.1/logging-1.1.1.jar",
          "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-windows-x86.jar",
          "org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2.jar",
          "net/fabricmc/sponge-mixin/0.12.5/sponge-mixin-0.12.5.jar"},
         {"org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-windows.jar",
          "tv/twitch/twitch-platform/5.16/twitch-platform-5.16-natives-windows-32.jar"}},
        {{{"windows", true, "10.0", "amd64"}, "64"},
         {"com/mojang/logging/1.1.1/logging-1.1.1.jar", "org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2.jar",
          "net/fabricmc/sponge-mixin/0.12.5/sponge-mixin-0.12.5.jar"},
         {"org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-windows.jar",
          "tv/twitch/twitch-platform/5.16/twitch-platform-5.16-natives-windows-64.jar"}},
    };
    platform::Result<launch::VersionJson> json = launch::parseVersionJson(kLibraries);
    ASSERT_TRUE(json) << json.reason();
    const MergedVersion version = mergeVersionChain({json.value()});
    for (const Case& c : cases) {
        LibraryFiles files = libraryFiles(version, c.system);
        Texts classPath, natives;
        for (const LibraryFile& jar : files.classPath)
            classPath.push_back(jar.path);
        for (const LibraryFiles::Natives& jar : files.natives)
            natives.push_back(jar.file.path);
        EXPECT_EQ(classPath, c.classPath) << c.system.rules.osName << c.system.archDigits;
        EXPECT_EQ(natives, c.natives) << c.system.rules.osName << c.system.archDigits;
    }

    // Where each comes from: its own URL and SHA-1, a loader repository plus the name's path.
    LibraryFiles linux = libraryFiles(version, {{"linux", true, "", "amd64"}, "64"});
    EXPECT_EQ(linux.classPath[0],
              (LibraryFile{"com/mojang/logging/1.1.1/logging-1.1.1.jar",
                           "https://libraries.example/com/mojang/logging/1.1.1/logging-1.1.1.jar",
                           "832b"}));
    EXPECT_EQ(
        linux.classPath[3].url,
        "https://maven.example/repo/net/fabricmc/sponge-mixin/0.12.5/sponge-mixin-0.12.5.jar");
    EXPECT_EQ(linux.natives[0].file.sha1, "bb");
    EXPECT_EQ(linux.natives[0].exclude, Texts{"META-INF/"});
}

TEST(LibraryFiles, PathsThatLeaveTheFolderAreRefused) {
    for (const std::string& path : {"../x.jar", "a/../../x.jar", "/etc/x.jar", "a//b.jar",
                                    "a\\b.jar", "C:/x.jar", "a/./b.jar", ""})
        EXPECT_FALSE(isSafeLibraryPath(path)) << path;
    for (const std::string& path :
         {"org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1.jar", "a.b/c_d/1.0-SNAPSHOT/x.jar"})
        EXPECT_TRUE(isSafeLibraryPath(path)) << path;
}

}  // namespace
