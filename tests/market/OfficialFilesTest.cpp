#include "market/OfficialFiles.h"

#include <gtest/gtest.h>

#include "market/OfficialNatives.h"

namespace {

using market::DownloadItem;
using Items = std::vector<DownloadItem>;

const std::string kLib = "https://libraries.test";
const std::string kRes = "https://resources.test/";

// A version JSON in the shape of the LWJGL 2 era (natives maps, classifiers, "${arch}"),
// trimmed to the kinds of library it holds.
const char* const kOldFormat = R"({
  "assetIndex": {"id": "1.8", "sha1": "F6AD102BCAA53B1A58358F16E376D548D44933EC", "size": 78494,
                 "url": "https://meta.test/v1/packages/f6ad102bcaa53b1a58358f16e376d548d44933ec/1.8.json"},
  "assets": "1.8",
  "downloads": {"client": {"sha1": "3870888a6c3d349d3771a3e9d16c9bf5e076b908", "size": 8461484,
                           "url": "https://data.test/v1/objects/3870888a6c3d349d3771a3e9d16c9bf5e076b908/client.jar"}},
  "id": "1.8.9",
  "libraries": [
    {"name": "oshi-project:oshi-core:1.1",
     "downloads": {"artifact": {"path": "oshi-project/oshi-core/1.1/oshi-core-1.1.jar",
       "sha1": "9ddf7b048a8d701be231c0f4f95fd986198fd2d8", "size": 30973,
       "url": "https://libraries.test/oshi-project/oshi-core/1.1/oshi-core-1.1.jar"}}},
    {"name": "org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209",
     "downloads": {"classifiers": {
       "natives-linux": {"path": "org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/lwjgl-platform-2.9.4-nightly-20150209-natives-linux.jar",
         "sha1": "931074f46c795d2f7b30ed6395df5715cfd7675b", "size": 578680,
         "url": "https://libraries.test/org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/lwjgl-platform-2.9.4-nightly-20150209-natives-linux.jar"},
       "natives-windows": {"path": "org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/lwjgl-platform-2.9.4-nightly-20150209-natives-windows.jar",
         "sha1": "b84d5102b9dbfabfeb5e43c7e2828d98a7fc80e0", "size": 613748,
         "url": "https://libraries.test/org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/lwjgl-platform-2.9.4-nightly-20150209-natives-windows.jar"}}},
     "extract": {"exclude": ["META-INF/"]},
     "natives": {"linux": "natives-linux", "osx": "natives-osx", "windows": "natives-windows"},
     "rules": [{"action": "allow"}, {"action": "disallow", "os": {"name": "osx"}}]},
    {"name": "tv.twitch:twitch-platform:6.5",
     "downloads": {"classifiers": {
       "natives-windows-64": {"path": "tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-64.jar",
         "sha1": "9fdd0fd5aed0817063dcf95b69349a171f447ebd", "size": 580098,
         "url": "https://libraries.test/tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-64.jar"}}},
     "natives": {"linux": "natives-linux", "osx": "natives-osx", "windows": "natives-windows-${arch}"},
     "rules": [{"action": "allow"}, {"action": "disallow", "os": {"name": "linux"}}]},
    {"name": "org.lwjgl.lwjgl:lwjgl:2.9.2-nightly-20140822",
     "rules": [{"action": "allow", "os": {"name": "osx"}}]},
    {"name": "net.minecraft:launchwrapper:1.12", "url": "https://loader.test/maven/"}
  ],
  "mainClass": "net.minecraft.client.main.Main",
  "minecraftArguments": "--username ${auth_player_name} --version ${version_name}",
  "type": "release"
})";

launch::VersionJson parsed(const std::string& text) {
    auto version = launch::parseVersionJson(text);
    EXPECT_TRUE(version) << version.reason();
    return version ? version.value() : launch::VersionJson{};
}

launch::SystemInfo systemOf(const char* os, bool is64) {
    launch::SystemInfo system;
    system.osName = os;
    system.is64Bit = is64;
    return system;
}

std::vector<std::string> urlsOf(const Items& items) {
    std::vector<std::string> urls;
    for (const DownloadItem& item : items)
        urls.push_back(item.url);
    return urls;
}

TEST(OfficialFiles, TheGameJarAndTheIndexKeepTheirPlacesWhateverTheirAddressesEndIn) {
    launch::VersionJson version = parsed(kOldFormat);
    auto jar = market::clientJarItem(version);
    ASSERT_TRUE(jar) << jar.reason();
    EXPECT_EQ(jar.value(),
              (DownloadItem{"https://data.test/v1/objects/3870888a6c3d349d3771a3e9d16c9bf5e076b908/"
                            "client.jar",
                            "versions/1.8.9/1.8.9.jar", "3870888a6c3d349d3771a3e9d16c9bf5e076b908",
                            8461484}));
    auto index = market::assetIndexItem(version);
    ASSERT_TRUE(index) << index.reason();
    EXPECT_EQ(index->path, "assets/indexes/1.8.json");
    EXPECT_EQ(index->sha1, "f6ad102bcaa53b1a58358f16e376d548d44933ec");
    EXPECT_EQ(market::versionJsonItem({"1.8.9", "release", "https://m/1.8.9.json", "ab"}).path,
              "versions/1.8.9/1.8.9.json");
}

TEST(OfficialFiles, LibrariesFollowTheRulesOfTheTargetSystem) {
    launch::VersionJson version = parsed(kOldFormat);
    const std::string platformFolder =
        "org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/"
        "lwjgl-platform-2.9.4-nightly-20150209";
    struct Case {
        const char* os;
        bool is64;
        std::vector<std::string> plain;
        std::vector<std::string> natives;
    };
    const std::vector<Case> cases = {
        {"linux",
         true,
         {kLib + "/oshi-project/oshi-core/1.1/oshi-core-1.1.jar",
          "https://loader.test/maven/net/minecraft/launchwrapper/1.12/launchwrapper-1.12.jar"},
         {kLib + "/" + platformFolder + "-natives-linux.jar"}},
        {"windows",
         true,
         {kLib + "/oshi-project/oshi-core/1.1/oshi-core-1.1.jar",
          "https://loader.test/maven/net/minecraft/launchwrapper/1.12/launchwrapper-1.12.jar"},
         {kLib + "/" + platformFolder + "-natives-windows.jar",
          kLib + "/tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-64.jar"}},
        // No 32-bit download in the JSON: the path rule on the library host.
        {"windows",
         false,
         {kLib + "/oshi-project/oshi-core/1.1/oshi-core-1.1.jar",
          "https://loader.test/maven/net/minecraft/launchwrapper/1.12/launchwrapper-1.12.jar"},
         {kLib + "/" + platformFolder + "-natives-windows.jar",
          kLib + "/tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-32.jar"}},
        {"osx",
         true,
         {kLib + "/oshi-project/oshi-core/1.1/oshi-core-1.1.jar",
          kLib + "/org/lwjgl/lwjgl/lwjgl/2.9.2-nightly-20140822/lwjgl-2.9.2-nightly-20140822.jar",
          "https://loader.test/maven/net/minecraft/launchwrapper/1.12/launchwrapper-1.12.jar"},
         {kLib + "/tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-osx.jar"}},
    };
    for (const Case& c : cases) {
        auto plain = market::libraryItems(version, systemOf(c.os, c.is64), kLib);
        auto natives = market::nativeJarItems(version, systemOf(c.os, c.is64), kLib);
        ASSERT_TRUE(plain && natives) << c.os;
        EXPECT_EQ(urlsOf(plain.value()), c.plain) << c.os << c.is64;
        EXPECT_EQ(urlsOf(natives.value()), c.natives) << c.os << c.is64;
    }
    auto linux = market::nativeJarItems(version, systemOf("linux", true), kLib);
    EXPECT_EQ(linux.value().at(0).path, "libraries/" + platformFolder + "-natives-linux.jar");
    EXPECT_EQ(linux.value().at(0).sha1, "931074f46c795d2f7b30ed6395df5715cfd7675b");
}

TEST(OfficialFiles, OneLibraryFileIsFoundByItsCoordinateAndClassifier) {
    launch::VersionJson version = parsed(kOldFormat);
    struct Case {
        std::string name;
        std::string classifier;
        std::string path;
        std::string sha1;
    };
    const std::vector<Case> cases = {
        {"oshi-project:oshi-core:1.1", "", "libraries/oshi-project/oshi-core/1.1/oshi-core-1.1.jar",
         "9ddf7b048a8d701be231c0f4f95fd986198fd2d8"},
        {"tv.twitch:twitch-platform:6.5", "natives-windows-64",
         "libraries/tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-64.jar",
         "9fdd0fd5aed0817063dcf95b69349a171f447ebd"},
        {"com.example:absent:2", "", "libraries/com/example/absent/2/absent-2.jar", ""},
    };
    for (const Case& c : cases) {
        auto item = market::libraryFileItem(version, c.name, c.classifier, kLib);
        ASSERT_TRUE(item) << c.name << item.reason();
        EXPECT_EQ(item->path, c.path);
        EXPECT_EQ(item->url, kLib + "/" + c.path.substr(std::string("libraries/").size()));
        EXPECT_EQ(item->sha1, c.sha1);
    }
}

// A JSON whose single library (or jar) is described by `library` (or `client`).
std::string withLibrary(const std::string& library) {
    return R"({"id": "x", "libraries": [)" + library + "]}";
}

TEST(OfficialFiles, DocumentsThatWouldWriteOutsideTheGameFolderAreRefused) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"artifact path climbing out",
         withLibrary(R"({"name": "a:b:1", "downloads": {"artifact": {"path": "../../evil.jar",
            "url": "https://h/evil.jar"}}})")},
        {"coordinate climbing out", withLibrary(R"({"name": "..:b:1"})")},
        {"absolute artifact path",
         withLibrary(R"({"name": "a:b:1", "downloads": {"artifact": {"path": "/etc/passwd",
            "url": "https://h/p"}}})")},
        {"backslash in the path",
         withLibrary(R"({"name": "a:b:1", "downloads": {"artifact": {"path": "a\\..\\..\\x.jar",
            "url": "https://h/x.jar"}}})")},
        {"address that is no web address",
         withLibrary(R"({"name": "a:b:1", "downloads": {"artifact": {"path": "a/b.jar",
            "url": "file:///etc/passwd"}}})")},
        {"malformed checksum",
         withLibrary(R"({"name": "a:b:1", "downloads": {"artifact": {"path": "a/b.jar",
            "url": "https://h/b.jar", "sha1": "xyz"}}})")},
    };
    for (const auto& [what, text] : cases) {
        auto items = market::libraryItems(parsed(text), systemOf("linux", true), kLib);
        EXPECT_FALSE(items) << what;
        EXPECT_FALSE(items.reason().empty()) << what;
    }
    for (const char* text :
         {R"({"id": "../x", "downloads": {"client": {"url": "https://h/client.jar"}}})",
          R"({"id": "x"})",
          R"({"id": "x", "downloads": {"client": {"url": "ftp://h/client.jar"}}})"}) {
        EXPECT_FALSE(market::clientJarItem(parsed(text))) << text;
    }
    for (const char* text :
         {R"({"id": "x"})", R"({"id": "x", "assetIndex": {"id": "..", "url": "https://h/i.json"}})",
          R"({"id": "x", "assetIndex": {"id": "a/b", "url": "https://h/i.json"}})"}) {
        EXPECT_FALSE(market::assetIndexItem(parsed(text))) << text;
    }
}

const std::string kHashA = "bdf48ef6b5d0d23bbb02e17d04865216179f510a";
const std::string kHashB = "5FF04807C356F1BEED0B86CCF659B44B9983E3FA";

TEST(OfficialFiles, AssetObjectsGoByHashOrByNameAsTheIndexSays) {
    const std::string objects = R"("objects": {"minecraft/sounds/step/grass1.ogg": {"hash": ")" +
                                kHashA + R"(", "size": 7217}, "icons/icon_16x16.png": {"hash": ")" +
                                kHashB + R"(", "size": 3665}})";
    struct Case {
        std::string text;
        std::vector<std::string> paths;
    };
    const std::string storeA = "bd/" + kHashA;
    const std::string storeB = "5f/5ff04807c356f1beed0b86ccf659b44b9983e3fa";
    const std::vector<Case> cases = {
        {"{" + objects + "}", {"assets/objects/" + storeA, "assets/objects/" + storeB}},
        {R"({"virtual": true, )" + objects + "}",
         {"assets/minecraft/sounds/step/grass1.ogg", "assets/icons/icon_16x16.png"}},
        {R"({"map_to_resources": true, )" + objects + "}",
         {"assets/minecraft/sounds/step/grass1.ogg", "assets/icons/icon_16x16.png"}},
        {R"({"virtual": "yes", )" + objects + "}",
         {"assets/objects/" + storeA, "assets/objects/" + storeB}},
    };
    for (const Case& c : cases) {
        auto index = market::readAssetIndex(c.text);
        ASSERT_TRUE(index) << index.reason();
        Items items = market::assetObjectItems(index.value(), kRes);
        ASSERT_EQ(items.size(), 2u);
        for (size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(items[i].path, c.paths[i]) << c.text;
        EXPECT_EQ(items[0],
                  (DownloadItem{"https://resources.test/" + storeA, c.paths[0], kHashA, 7217}));
        EXPECT_EQ(items[1].url, "https://resources.test/" + storeB);
    }
}

TEST(OfficialFiles, AssetIndexesOfAnotherShapeOrWithHostileEntriesFail) {
    const std::vector<std::string> texts = {
        "",
        "[]",
        R"({"objects": []})",
        R"({"objects": {"a": {"hash": "abc"}}})",
        R"({"objects": {"a": {"size": 1}}})",
        R"({"objects": {"a": "text"}})",
        R"({"virtual": true, "objects": {"../../x": {"hash": ")" + kHashA + R"("}}})",
        R"({"virtual": true, "objects": {"objects/bd/x": {"hash": ")" + kHashA + R"("}}})",
        R"({"map_to_resources": true, "objects": {"a\\b": {"hash": ")" + kHashA + R"("}}})",
    };
    for (const std::string& text : texts) {
        auto index = market::readAssetIndex(text);
        EXPECT_FALSE(index) << text;
        EXPECT_FALSE(index.reason().empty()) << text;
    }
}

TEST(OfficialNatives, TheStartupTableComesFromThePlatformJarsOfTheTargetSystem) {
    struct Case {
        const char* os;
        bool is64;
        std::vector<std::string> jars;
    };
    const std::string lwjgl =
        "org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/"
        "lwjgl-platform-2.9.4-nightly-20150209";
    const std::string jinput = "net/java/jinput/jinput-platform/2.0.5/jinput-platform-2.0.5";
    const std::vector<Case> cases = {
        {"linux", true, {lwjgl + "-natives-linux.jar", jinput + "-natives-linux.jar"}},
        {"windows",
         true,
         {lwjgl + "-natives-windows.jar", jinput + "-natives-windows.jar",
          "tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-64.jar",
          "tv/twitch/twitch-external-platform/4.5/"
          "twitch-external-platform-4.5-natives-windows-64.jar"}},
        {"windows",
         false,
         {lwjgl + "-natives-windows.jar", jinput + "-natives-windows.jar",
          "tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-32.jar",
          "tv/twitch/twitch-external-platform/4.5/"
          "twitch-external-platform-4.5-natives-windows-32.jar"}},
    };
    for (const Case& c : cases) {
        auto items = market::startupNativesItems(systemOf(c.os, c.is64), kLib + "/");
        ASSERT_TRUE(items) << items.reason();
        std::vector<std::string> expected;
        for (const std::string& jar : c.jars)
            expected.push_back(kLib + "/" + jar);
        EXPECT_EQ(urlsOf(items.value()), expected) << c.os << c.is64;
    }
}

}  // namespace
