#include "mirror/Sync.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "MirrorProgram.h"
#include "OfficialDocuments.h"
#include "TempFolder.h"
#include "ZipBuilder.h"
#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "launch/VersionText.h"
#include "market/AssetIndex.h"
#include "market/Catalogue.h"
#include "market/LibraryInstaller.h"
#include "market/NativeInstaller.h"
#include "platform/AsciiText.h"
#include "platform/Sha1.h"
#include "platform/TextFile.h"

namespace {

using mirror_test::OfficialDocuments;
using testing_support::exists;
using testing_support::readAll;
using testing_support::TempFolder;
using Texts = std::vector<std::string>;

class SyncFromOfficial : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!official_.running()) GTEST_SKIP() << "nginx is not installed";
    }

    mirror::SyncOutcome sync(const Texts& versions) {
        mirror::SyncRequest request;
        request.out = out_.path();
        request.versions = versions;
        request.manifestUrl = official_.manifestUrl();
        request.librariesHost = official_.librariesHost();
        request.resourcesHost = official_.resourcesHost();
        request.fetch.jobs = 4;
        request.fetch.backoff = std::chrono::milliseconds(1);
        return mirror::syncTree(request);
    }

    std::string tree(const std::string& relative) const { return out_.path() + "/" + relative; }

    static std::string report(const mirror::SyncOutcome& outcome) {
        std::string text;
        for (const std::string& line : mirror::outcomeLines(outcome))
            text += line + "\n";
        return text;
    }

    // The tree paths of the libraries the launcher's installer on the mirror asks for.
    Texts librariesAskedFor(const std::string& id) const {
        std::string json = readAll(tree("Minecraft.Download/versions/" + id + "/" + id + ".json"));
        ServiceHosts hosts;
        hosts.mirror = "http://mirror";
        GameFolders folders("/launcher", platform::PathStyle::windows());
        Texts paths;
        auto none = [](const std::string&) { return false; };
        for (const auto& task :
             market::libraryInstallPlan(makeVersionText({json}), folders, hosts, none, none)) {
            std::string url = task.entry.url;
            paths.push_back(
                platform::replacedAll(url.substr(std::string("http://mirror/").size()), "\\", "/"));
        }
        return paths;
    }

    OfficialDocuments official_;
    TempFolder out_{"镜像 tree"};
};

TEST_F(SyncFromOfficial, WritesEverythingTheLauncherAsksAMirrorForThenFetchesOnlyWhatIsDamaged) {
    mirror::SyncOutcome first = sync({"1.12.2", "1.7.10"});
    ASSERT_TRUE(first.complete()) << report(first);
    EXPECT_EQ(first.present, 0u);

    EXPECT_EQ(market::scanCatalogue(readAll(tree("versions/versions.json"))),
              (std::vector<market::CatalogueEntry>{{"1.12.2", "正式版"}, {"1.7.10", "正式版"}}));
    for (const std::string id : {"1.12.2", "1.7.10"}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(readAll(tree("versions/" + std::string(id) + "/" + id + ".jar")),
                  "game jar " + std::string(id));
        EXPECT_EQ(
            readAll(tree("Minecraft.Download/versions/" + std::string(id) + "/" + id + ".json")),
            readAll(official_.file("mc/v1/packages/" + std::string(id) + ".json")));
        Texts asked = librariesAskedFor(id);
        EXPECT_GE(asked.size(), 7u);
        for (const std::string& path : asked)
            EXPECT_TRUE(exists(tree(path))) << path;
    }
    // Every library of either system and width, and nothing only a Mac asks for.
    EXPECT_TRUE(exists(tree(
        "libraries/tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-32.jar")));
    EXPECT_TRUE(
        exists(tree("libraries/net/java/jinput/jinput-platform/2.0.5/"
                    "jinput-platform-2.0.5-natives-linux.jar")));

    // The native libraries of both start-up tables, taken out of the natives jars.
    for (auto style : {platform::PathStyle::windows(), platform::PathStyle::posix()})
        for (const std::string& name : market::NativeLibraryNames(style))
            EXPECT_EQ(readAll(tree(name)), OfficialDocuments::nativeBytes(name)) << name;
    EXPECT_FALSE(exists(tree("META-INF")));

    // What the asset installer's scans find, and the files it then asks for.
    Texts hashes = market::scanHashKeys(readAll(tree("indexes/1.8.json")));
    EXPECT_EQ(hashes.size(), OfficialDocuments::objectsOf("1.12.2").size());
    for (const std::string& hash : hashes)
        EXPECT_EQ(platform::sha1OfFile(tree("assets/" + hash.substr(0, 2) + "/" + hash)).value(),
                  hash);
    Texts names = market::scanNameKeys(readAll(tree("Minecraft.Download/indexes/legacy.json")));
    EXPECT_EQ(names, (Texts{"lang/说明.txt", "sound/step/grass1.ogg"}));
    for (const auto& [name, text] : OfficialDocuments::objectsOf("1.7.10"))
        EXPECT_EQ(readAll(tree("resources/" + name)), text);
    EXPECT_TRUE(exists(tree("indexes/1.12.json")));

    mirror::SyncOutcome again = sync({"1.12.2", "1.7.10"});
    ASSERT_TRUE(again.complete()) << report(again);
    EXPECT_EQ(again.fetched, 0u);
    EXPECT_EQ(again.present, first.fetched);

    // A cut object, a library changed in place and a removed jar are fetched again.
    std::string object = tree("assets/" + hashes[0].substr(0, 2) + "/" + hashes[0]);
    std::filesystem::resize_file(object, 1);
    std::string library = tree("libraries/com/mojang/realms/1.10.22/realms-1.10.22.jar");
    ASSERT_TRUE(platform::writeFileAtomically(library, "damaged!!!!!!!!!!!!!!!!!!!"));
    std::filesystem::remove(tree("versions/1.7.10/1.7.10.jar"));
    mirror::SyncOutcome repaired = sync({"1.12.2", "1.7.10"});
    ASSERT_TRUE(repaired.complete()) << report(repaired);
    EXPECT_EQ(repaired.fetched, 3u);
    EXPECT_EQ(platform::sha1OfFile(object).value(), hashes[0]);
    EXPECT_EQ(readAll(library), "jar com.mojang:realms:1.10.22");
}

TEST_F(SyncFromOfficial, TakesTheLibrariesOfACurrentVersionForWindowsAndLinuxOfBothWidths) {
    mirror::SyncOutcome outcome = sync({"1.20.1"});
    ASSERT_TRUE(outcome.complete()) << report(outcome);
    const std::string folder = "libraries/org/lwjgl/lwjgl/3.3.1/";
    for (const std::string jar :
         {"lwjgl-3.3.1.jar", "lwjgl-3.3.1-natives-linux.jar", "lwjgl-3.3.1-natives-windows.jar",
          "lwjgl-3.3.1-natives-windows-x86.jar"})
        EXPECT_TRUE(exists(tree(folder + jar))) << jar;
    EXPECT_FALSE(exists(tree(folder + "lwjgl-3.3.1-natives-macos.jar")));
    EXPECT_EQ(market::scanHashKeys(readAll(tree("indexes/5.json"))).size(), 2u);
    EXPECT_EQ(market::scanHashKeys(readAll(tree("indexes/1.8.json"))).size(), 2u);
}

TEST_F(SyncFromOfficial, ReportsAFileWhoseSha1DoesNotMatchAndLeavesItOut) {
    std::string jar = official_.file("libraries/com/mojang/realms/1.10.22/realms-1.10.22.jar");
    // Of the same size, so only the digest tells.
    std::string changed = readAll(jar);
    changed[0] ^= 1;
    ASSERT_TRUE(platform::writeFileAtomically(jar, changed));
    mirror::SyncOutcome outcome = sync({"1.12.2"});
    EXPECT_FALSE(outcome.complete());
    ASSERT_EQ(outcome.failures.size(), 1u) << report(outcome);
    EXPECT_NE(outcome.failures[0].url.find("realms-1.10.22.jar"), std::string::npos);
    EXPECT_NE(outcome.failures[0].reason.find("SHA-1 不符"), std::string::npos);
    EXPECT_FALSE(exists(tree("libraries/com/mojang/realms/1.10.22/realms-1.10.22.jar")));
    EXPECT_FALSE(exists(tree("libraries/com/mojang/realms/1.10.22/realms-1.10.22.jar.part")));
}

TEST_F(SyncFromOfficial, StopsOnAVersionTheManifestDoesNotOffer) {
    for (const std::string id : {"../evil", "9.9.9"}) {
        SCOPED_TRACE(id);
        mirror::SyncOutcome outcome = sync({"1.12.2", id});
        EXPECT_FALSE(outcome.complete());
        EXPECT_NE(outcome.stopped.find(id), std::string::npos) << report(outcome);
        EXPECT_FALSE(exists(tree("versions/versions.json")));
        EXPECT_FALSE(exists(tree("evil")));
    }
}

TEST_F(SyncFromOfficial, RefusesAVersionWhoseLibraryPathWouldLeaveTheTree) {
    mirror::SyncOutcome outcome = sync({"1.12.1"});
    EXPECT_FALSE(outcome.complete());
    std::string text = report(outcome);
    EXPECT_NE(text.find("../../../escape.jar"), std::string::npos) << text;
    for (const std::string escaped : {"/escape.jar", "/../escape.jar", "/../../escape.jar"})
        EXPECT_FALSE(exists(out_.path() + "/libraries" + escaped)) << escaped;
    EXPECT_FALSE(exists(out_.path() + "/../escape.jar"));
}

TEST_F(SyncFromOfficial, RefusesANativesJarEntryThatWouldLeaveTheTree) {
    std::string path = official_.file(
        "libraries/net/java/jinput/jinput-platform/2.0.5/jinput-platform-2.0.5-natives-linux.jar");
    testing_support::writeZip(path, {{"libjinput-linux.so", "x"}, {"../escaped.so", "x"}});
    // A version without LWJGL 2 natives: the jar comes only as a start-up natives jar.
    mirror::SyncOutcome outcome = sync({"1.20.1"});
    EXPECT_FALSE(outcome.complete());
    EXPECT_FALSE(exists(out_.path() + "/../escaped.so"));
    EXPECT_FALSE(exists(tree("libjinput-linux.so")));
    std::string text = report(outcome);
    EXPECT_NE(text.find("../escaped.so"), std::string::npos) << text;
}

TEST_F(SyncFromOfficial, TheProgramSaysWhetherTheTreeIsComplete) {
    auto syncWithThreeJobs = [&](const std::string& versions) {
        Texts arguments = official_.syncArguments(out_.path(), versions);
        arguments.insert(arguments.end(), {"--jobs", "3"});
        return mirror_test::runMirror(arguments);
    };
    testing_support::ProgramResult done = syncWithThreeJobs("1.7.10");
    EXPECT_EQ(done.exitCode, 0) << done.output;
    EXPECT_NE(done.output.find("镜像目录完整"), std::string::npos) << done.output;
    EXPECT_NE(done.output.find("文件 "), std::string::npos) << done.output;

    std::filesystem::remove(official_.file("mc/v1/objects/client-1.12.2.jar"));
    testing_support::ProgramResult incomplete = syncWithThreeJobs("1.12.2");
    EXPECT_EQ(incomplete.exitCode, 1) << incomplete.output;
    EXPECT_NE(incomplete.output.find("client-1.12.2.jar"), std::string::npos) << incomplete.output;
    EXPECT_NE(incomplete.output.find("404"), std::string::npos) << incomplete.output;
}

}  // namespace
