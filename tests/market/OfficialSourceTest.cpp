#include "market/OfficialSource.h"

#include <gtest/gtest.h>

#include "LoopbackMirror.h"
#include "OfficialSite.h"
#include "SystemHttpClient.h"
#include "TempFolder.h"
#include "ZipBuilder.h"
#include "market/NativeInstaller.h"
#include "platform/Sha1.h"

namespace {

using market::PlannedTask;
using testing_support::OfficialSite;
using testing_support::TempFolder;

launch::SystemInfo linux64() {
    launch::SystemInfo system;
    system.osName = "linux";
    system.is64Bit = true;
    return system;
}

// An official site served over loopback HTTP and a launcher folder to install into.
struct OfficialSourceTest : ::testing::Test {
    TempFolder served{"官方 site"};
    testing_support::LoopbackMirror server{served.path()};
    OfficialSite site{served.path(), server.baseUrl()};
    TempFolder launcher{"官方 launcher"};
    GameFolders folders{launcher.path(), platform::PathStyle::posix()};
    testing_support::SystemHttpClient http;

    market::OfficialSource source() {
        ServiceHosts hosts;
        hosts.manifest = site.manifestUrl();
        hosts.libraries = site.librariesUrl();
        hosts.resources = site.resourcesUrl();
        return market::OfficialSource(hosts, linux64());
    }
    std::string game(const std::string& relative) const {
        return launcher.path() + "/.minecraft/" + relative;
    }
    // Puts a fetched version where the market installs it.
    void install(const std::string& id, const std::string& json) {
        launcher.write(".minecraft/versions/" + id + "/" + id + ".json", json);
    }
};

OfficialSite::Version demoVersion(const std::string& id) {
    OfficialSite::Version version;
    version.id = id;
    version.jar = "jar of " + id;
    version.assetIndex = "1.8";
    version.assets = {{"icons/icon_16x16.png", "icon"}, {"sounds/step/grass1.ogg", "grass"}};
    return version;
}

TEST_F(OfficialSourceTest, TheCatalogueIsTheManifestAndAVersionIsItsJarThenItsJson) {
    site.addVersion(demoVersion("1.8.9"));
    OfficialSite::Version snapshot = demoVersion("15w14a");
    snapshot.type = "snapshot";
    site.addVersion(snapshot);
    site.writeManifest({R"({"id": "../x", "type": "release", "url": "http://h/../x.json"})"});
    market::OfficialSource official = source();
    int perEntry = 0;
    market::Catalogue catalogue = official.loadCatalogue(http, [&] { ++perEntry; });
    EXPECT_EQ(catalogue.entries,
              (std::vector<market::CatalogueEntry>{{"1.8.9", "正式版"}, {"15w14a", "快照版"}}));
    EXPECT_EQ(perEntry, 2);
    EXPECT_NE(catalogue.failure.find("../x"), std::string::npos) << catalogue.failure;

    auto plan = official.versionPlan(http, "1.8.9", folders);
    ASSERT_TRUE(plan) << plan.reason();
    ASSERT_EQ(plan->size(), 2u);
    const std::string folder = game("versions/1.8.9");
    const market::QueueEntry& jar = plan->at(0).entry;
    EXPECT_EQ(plan->at(0).folder, folder);
    EXPECT_EQ(jar.folder, folder);
    EXPECT_TRUE(jar.url.ends_with("/client.jar")) << jar.url;
    EXPECT_EQ(jar.sha1, platform::sha1Hex("jar of 1.8.9"));
    EXPECT_EQ(jar.saveAs, "1.8.9.jar");
    EXPECT_TRUE(jar.tolerantFraming);
    const market::QueueEntry& json = plan->at(1).entry;
    EXPECT_TRUE(json.url.ends_with("/1.8.9.json")) << json.url;
    EXPECT_TRUE(json.saveAs.empty());
    ASSERT_TRUE(json.sha1.has_value());

    auto unlisted = official.versionPlan(http, "1.7.10", folders);
    EXPECT_FALSE(unlisted);
    EXPECT_NE(unlisted.reason().find("1.7.10"), std::string::npos);
}

TEST_F(OfficialSourceTest, AVersionWhoseDocumentsDisagreeIsNotQueued) {
    struct Case {
        const char* what;
        std::string json;  // served as the entry's JSON; empty: not served at all
        std::string sha1;  // what the manifest says of it; empty: the JSON's own
    };
    const std::string good =
        R"({"id": "1.8.9", "downloads": {"client": {"url": "http://h/c.jar"}}})";
    const std::vector<Case> cases = {
        {"checksum mismatch", good, platform::sha1Hex("another text")},
        {"another id inside",
         R"({"id": "1.7.10", "downloads": {"client": {"url": "http://h/c.jar"}}})", ""},
        {"no client download", R"({"id": "1.8.9"})", ""},
        {"not JSON", "<html>", ""},
        {"missing document", "", ""},
    };
    for (const Case& c : cases) {
        TempFolder root;
        testing_support::LoopbackMirror one{root.path()};
        OfficialSite caseSite{root.path(), one.baseUrl()};
        std::string url = one.baseUrl() + "/p/1.8.9.json";
        std::string sha1 = c.sha1;
        if (!c.json.empty()) {
            auto served = caseSite.serve("/p/1.8.9.json", c.json);
            if (sha1.empty()) sha1 = served.sha1;
        }
        caseSite.writeManifest({R"({"id": "1.8.9", "type": "release", "url": ")" + url +
                                R"(", "sha1": ")" + sha1 + R"("})"});
        ServiceHosts hosts;
        hosts.manifest = caseSite.manifestUrl();
        market::OfficialSource official(hosts, linux64());
        ASSERT_EQ(official.loadCatalogue(http, {}).entries.size(), 1u) << c.what;
        auto plan = official.versionPlan(http, "1.8.9", folders);
        EXPECT_FALSE(plan) << c.what;
        EXPECT_FALSE(plan.reason().empty()) << c.what;
    }
}

TEST_F(OfficialSourceTest, AssetsNeedTheInstalledVersionAndKeepItsIndex) {
    market::OfficialSource official = source();
    auto notInstalled = official.assetWork(http, "1.8.9", folders);
    ASSERT_FALSE(notInstalled);
    EXPECT_NE(notInstalled.reason().find("尚未安装"), std::string::npos) << notInstalled.reason();

    struct Case {
        bool byName;
        std::vector<std::string> targets;  // where the two objects go
    };
    const std::string icon = platform::sha1Hex("icon");
    const std::string grass = platform::sha1Hex("grass");
    const std::vector<Case> cases = {
        {false,
         {"assets/objects/" + icon.substr(0, 2) + "/" + icon,
          "assets/objects/" + grass.substr(0, 2) + "/" + grass}},
        {true, {"assets/icons/icon_16x16.png", "assets/sounds/step/grass1.ogg"}},
    };
    for (const Case& c : cases) {
        OfficialSite::Version version = demoVersion(c.byName ? "1.7.2" : "1.8.9");
        version.assetsByName = c.byName;
        install(version.id, site.addVersion(version));
        // One object is already there: only the other is queued.
        launcher.write(".minecraft/" + c.targets[0], "icon");
        auto work = official.assetWork(http, version.id, folders);
        ASSERT_TRUE(work) << work.reason();
        ASSERT_EQ(work->plan.size(), 1u);
        const market::QueueEntry& entry = work->plan[0].entry;
        EXPECT_EQ(entry.url, site.resourcesUrl() + "/" + grass.substr(0, 2) + "/" + grass);
        EXPECT_EQ(entry.sha1, grass);
        const std::string target = game(c.targets[1]);
        EXPECT_EQ(entry.folder, target.substr(0, target.rfind('/')));
        EXPECT_EQ(entry.saveAs, c.byName ? "grass1.ogg" : "");
        EXPECT_NE(testing_support::readAll(game("assets/indexes/1.8.json")).find(grass),
                  std::string::npos);
    }
}

TEST_F(OfficialSourceTest, AnIndexThatIsNotWhatTheVersionSaysIsNeitherKeptNorUsed) {
    OfficialSite::Version version = demoVersion("1.8.9");
    std::string json = site.addVersion(version);
    // The index changes on the server after the JSON named its checksum.
    std::string indexUrl =
        json.substr(json.find("http"), json.find("1.8.json") + 8 - json.find("http"));
    site.serve(indexUrl.substr(server.baseUrl().size()), R"({"objects": {}})");
    install("1.8.9", json);
    auto work = source().assetWork(http, "1.8.9", folders);
    EXPECT_FALSE(work);
    EXPECT_NE(work.reason().find("SHA-1"), std::string::npos) << work.reason();
    EXPECT_FALSE(testing_support::exists(game("assets/indexes/1.8.json")));
}

TEST_F(OfficialSourceTest, LibrariesAreTheClassPathsWithTheAddressesOfTheJson) {
    OfficialSite::Version version = demoVersion("1.8.9");
    version.libraries = {
        {"vendrolupa.test:probe:1.0", "probe jar", {}, {}, "", false},
        {"org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209",
         "",
         {{"natives-windows", "windows natives"}, {"natives-linux", "linux natives"}},
         {{"linux", "natives-linux"}, {"windows", "natives-windows"}},
         "",
         false},
        {"vendrolupa.test:plain:2", "plain jar", {}, {}, "", true},
    };
    std::string json = site.addVersion(version);
    auto none = [](const std::string&) { return false; };
    auto plan = source().libraryPlan(json, folders, none, none);
    ASSERT_TRUE(plan) << plan.reason();
    std::vector<std::string> urls;
    for (const PlannedTask& planned : plan.value())
        urls.push_back(planned.entry.url);
    const std::string libraries = site.librariesUrl() + "/";
    // The same jars the class path takes: the Windows classifier of the scan, then plain jars.
    EXPECT_EQ(urls,
              (std::vector<std::string>{
                  libraries + "vendrolupa/test/probe/1.0/probe-1.0.jar",
                  libraries + OfficialSite::libraryPath(
                                  "org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209",
                                  "natives-windows"),
                  libraries + OfficialSite::libraryPath(
                                  "org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209", ""),
                  libraries + "vendrolupa/test/plain/2/plain-2.jar",
              }));
    EXPECT_EQ(plan->at(0).entry.sha1, platform::sha1Hex("probe jar"));
    EXPECT_EQ(plan->at(0).folder, game("libraries/vendrolupa/test/probe/1.0"));
    EXPECT_FALSE(plan->at(3).entry.sha1.has_value());  // no downloads block: nothing to check
}

TEST_F(OfficialSourceTest, CurrentFormatLibrariesFollowTheirRules) {
    const std::string text = R"({"id": "1.20", "arguments": {"game": [], "jvm": []}, "libraries": [
      {"name": "a:linux-only:1", "downloads": {"artifact": {"path": "a/linux-only/1/linux-only-1.jar",
        "url": "http://h/l.jar", "sha1": "0123456789012345678901234567890123456789"}},
       "rules": [{"action": "allow", "os": {"name": "linux"}}]},
      {"name": "a:windows-only:1", "downloads": {"artifact": {"path": "a/windows-only/1/windows-only-1.jar",
        "url": "http://h/w.jar"}}, "rules": [{"action": "allow", "os": {"name": "windows"}}]}]})";
    auto none = [](const std::string&) { return false; };
    auto plan = source().libraryPlan(text, folders, none, none);
    ASSERT_TRUE(plan) << plan.reason();
    ASSERT_EQ(plan->size(), 1u);
    EXPECT_EQ(plan->at(0).entry.url, "http://h/l.jar");
    EXPECT_EQ(plan->at(0).folder, game("libraries/a/linux-only/1"));
}

TEST_F(OfficialSourceTest, NativesComeOutOfTheirJarsAndNeverOutsideTheNativeFolder) {
    const std::vector<std::string>& names =
        market::NativeLibraryNames(platform::PathStyle::posix());
    const std::string native = game("native");
    market::OfficialSource official = source();
    auto plan = official.nativePlan(native, names, folders);
    ASSERT_TRUE(plan) << plan.reason();
    ASSERT_EQ(plan->size(), 2u);
    EXPECT_EQ(plan->at(0).entry.url,
              site.librariesUrl() + "/" +
                  OfficialSite::libraryPath("org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209",
                                            "natives-linux"));
    // Nothing arrived (the download failure was shown): nothing more to say.
    EXPECT_TRUE(official.fillNativeFolder(native, names, folders));

    const std::string lwjglJar =
        game("libraries/" +
             OfficialSite::libraryPath("org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209",
                                       "natives-linux"));
    const std::string jinputJar =
        game("libraries/" +
             OfficialSite::libraryPath("net.java.jinput:jinput-platform:2.0.5", "natives-linux"));
    struct Case {
        const char* what;
        std::vector<testing_support::ZipSample> lwjgl;
        bool filled;
    };
    const std::vector<Case> cases = {
        {"whole jars",
         {{"META-INF/MANIFEST.MF", "Manifest-Version: 1.0\n"},
          {"liblwjgl.so", "l"},
          {"liblwjgl64.so", "l64"},
          {"libopenal.so", "o"},
          {"libopenal64.so", "o64"}},
         true},
        {"a library short", {{"liblwjgl.so", "l"}, {"liblwjgl64.so", "l64"}}, false},
        {"a hostile entry", {{"liblwjgl.so", "l"}, {"../x", "escaped"}}, false},
    };
    for (const Case& c : cases) {
        TempFolder fresh{"natives"};
        GameFolders freshFolders{fresh.path(), platform::PathStyle::posix()};
        const std::string root = fresh.path() + "/.minecraft/";
        const std::string freshNative = root + "native";
        testing_support::writeZip(root + lwjglJar.substr(game("").size()), c.lwjgl);
        testing_support::writeZip(root + jinputJar.substr(game("").size()),
                                  {{"libjinput-linux.so", "j"}, {"libjinput-linux64.so", "j64"}});
        EXPECT_TRUE(official.nativePlan(freshNative, names, freshFolders)->empty()) << c.what;
        auto filled = official.fillNativeFolder(freshNative, names, freshFolders);
        EXPECT_EQ(filled.ok(), c.filled) << c.what << filled.reason();
        EXPECT_FALSE(testing_support::exists(root + "x")) << c.what;
        EXPECT_FALSE(testing_support::exists(freshNative + "/META-INF")) << c.what;
        if (c.filled) {
            EXPECT_EQ(testing_support::readAll(freshNative + "/libopenal64.so"), "o64");
            EXPECT_TRUE(official.nativePlan(freshNative, names, freshFolders)->empty());
        }
    }
}

}  // namespace
