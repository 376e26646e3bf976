#include "market/LibraryInstaller.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "market/MirrorSource.h"

#include "RecordingMarketView.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "launch/VersionText.h"

namespace {

using testing_support::TempFolder;
using Texts = std::vector<std::string>;

std::string versionText(const Texts& libraries) {
    Texts lines = {"{", "  \"libraries\": ["};
    for (const std::string& library : libraries)
        lines.push_back("    {" + library + "},");
    lines.push_back("  ],");
    lines.push_back("  \"mainClass\": \"net.minecraft.client.main.Main\"");
    lines.push_back("}");
    return makeVersionText(lines);
}

const std::string kPlatform =
    R"("name": "org.lwjgl.lwjgl:lwjgl-platform:2.9.1", )"
    R"("natives": {"linux": "natives-linux", "windows": "natives-windows"})";
const std::string kTwitch = R"("name": "tv.twitch:twitch-platform:5.16", )"
                            R"("natives": {"windows": "natives-windows-${arch}"})";
const std::string kRules =
    R"("name": "a.b:c:1", "rules": [{"action": "allow", "os": {"name": "osx"}}])";

TEST(LibraryPlan, NativeJarsOfBothWidthsThenThePlainJar) {
    GameFolders folders{"C:\\游戏", platform::PathStyle::windows()};
    ServiceHosts hosts;
    hosts.mirror = "http://m";
    auto none = [](const std::string&) { return false; };
    const std::string lib = "C:\\游戏\\.minecraft\\libraries\\";
    const std::string lwjgl = "org\\lwjgl\\lwjgl\\lwjgl-platform\\2.9.1";
    const std::string twitch = "tv\\twitch\\twitch-platform\\5.16";
    EXPECT_EQ(
        tasksOf(market::libraryInstallPlan(versionText({kPlatform, kTwitch, kRules, kPlatform}),
                                           folders, hosts, none, none)),
        (Texts{
            "http://m/libraries/" + lwjgl + "\\lwjgl-platform-2.9.1-natives-windows.jar[下载到]" +
                lib + lwjgl,
            "http://m/libraries/" + lwjgl + "\\lwjgl-platform-2.9.1.jar[下载到]" + lib + lwjgl,
            "http://m/libraries/" + twitch +
                "\\twitch-platform-5.16-natives-windows-32.jar[下载到]" + lib + twitch,
            "http://m/libraries/" + twitch +
                "\\twitch-platform-5.16-natives-windows-64.jar[下载到]" + lib + twitch,
            "http://m/libraries/" + twitch + "\\twitch-platform-5.16.jar[下载到]" + lib + twitch,
            "http://m/libraries/a\\b\\c\\1\\c-1.jar[下载到]" + lib + "a\\b\\c\\1",
            "http://m/libraries/" + lwjgl + "\\lwjgl-platform-2.9.1-natives-windows.jar[下载到]" +
                lib + lwjgl,
            "http://m/libraries/" + lwjgl + "\\lwjgl-platform-2.9.1.jar[下载到]" + lib + lwjgl,
        }));
}

TEST(LibraryPlan, FolderAndJarTestsOnRealFiles) {
    TempFolder launcher{"库 libraries"};
    GameFolders folders{launcher.path(), platform::PathStyle::posix()};
    ServiceHosts hosts;
    auto exists = [](const std::string& path) { return testing_support::exists(path); };
    const std::string text = versionText({kPlatform, R"("name": "x:y:1")"});
    // Any file in the library's folder, even an unrelated one, skips the whole library; a
    // sub-folder does not count.
    launcher.write(".minecraft/libraries/org/lwjgl/lwjgl/lwjgl-platform/2.9.1/other.txt", "x");
    launcher.makeFolder(".minecraft/libraries/x/y/1/sub");
    EXPECT_EQ(market::libraryInstallPlan(text, folders, hosts, folderHasFile, exists).size(), 1u);
    launcher.write(".minecraft/libraries/x/y/1/y-1.jar", "jar");
    EXPECT_TRUE(market::libraryInstallPlan(text, folders, hosts, folderHasFile, exists).empty());
}

TEST(LibraryPlan, CoordinatesThatLeaveTheLibrariesFolderAreSkipped) {
    GameFolders folders{"/l", platform::PathStyle::posix()};
    auto none = [](const std::string&) { return false; };
    const Texts hostile = {
        R"("name": "..:..:..")", R"("name": "a:../../..:1")",
        R"("name": "a:b:1:2")",  R"("name": ".evil:b:1")",
        R"("name": "a:b\\c:1")", R"("name": "a:b:1", "natives": {"windows": "../x"})",
        R"("name": "ok:lib:1")",
    };
    Texts tasks =
        tasksOf(market::libraryInstallPlan(versionText(hostile), folders, {}, none, none));
    for (const std::string& task : tasks)
        EXPECT_EQ(task.find(".."), std::string::npos) << task;
    EXPECT_EQ(tasks.back(),
              "http://mirror.vendrolupa.net/libraries/ok\\lib\\1\\lib-1.jar[下载到]"
              "/l/.minecraft/libraries/ok/lib/1");
    EXPECT_EQ(tasks.size(), 2u);  // "a:b:1" has a plain jar beside its refused native
}

struct CheckFixture : ::testing::Test, MarketOnDisk {
    CheckFixture() : MarketOnDisk("检查 check") {}

    // The check of the version 1.8 as the launch makes it, from the files it reads once.
    market::LibraryCheckOutcome check(const market::DownloadSource& source) {
        return market::QueueMissingLibraries(pipeline, "1.8",
                                             readVersionFiles(pipeline.folders(), "1.8"), source);
    }
};

TEST_F(CheckFixture, QueuesMissingJarsAndCreatesTheirFolders) {
    const market::MirrorSource mirror{ServiceHosts{}};
    launcher.write(".minecraft/versions/1.8/1.8.json", "{\n\"libraries\": [{\"name\": \"x:y:1\"},");
    market::LibraryCheckOutcome outcome = check(mirror);
    EXPECT_EQ(outcome.check, market::LibraryCheck::Queued);
    EXPECT_TRUE(outcome.startHead);
    EXPECT_EQ(pipeline.size(), 1u);
    EXPECT_TRUE(testing_support::exists(launcher.path() + "/.minecraft/libraries/x/y/1"));
    // Behind a running queue: appended, not started.
    outcome = check(mirror);
    EXPECT_EQ(outcome.check, market::LibraryCheck::Queued);
    EXPECT_FALSE(outcome.startHead);
    EXPECT_EQ(pipeline.size(), 2u);
}

TEST_F(CheckFixture, OldLayoutMissingJsonAndNothingMissingNeedNoWindow) {
    const market::MirrorSource mirror{ServiceHosts{}};
    EXPECT_EQ(check(mirror).check, market::LibraryCheck::NothingToDo);
    launcher.write(".minecraft/versions/1.8/1.8.json", "{\n\"libraries\": [{\"name\": \"x:y:1\"},");
    launcher.write(".minecraft/versions/1.8/minecraft.jar", "old");
    EXPECT_EQ(check(mirror).check, market::LibraryCheck::NothingToDo);
    EXPECT_TRUE(pipeline.empty());
}

// The check works from the description the launch read: a JSON changed or removed after that
// reading changes nothing of what is queued.
TEST_F(CheckFixture, QueuesFromTheFilesTheLaunchReadNotFromTheDiskAgain) {
    const market::MirrorSource mirror{ServiceHosts{}};
    const std::string json = ".minecraft/versions/1.8/1.8.json";
    struct Case {
        const char* what;
        std::string read;
        std::string afterwards;  // empty: the file is removed
    };
    const Case cases[] = {
        {"text scan", "{\n\"libraries\": [{\"name\": \"x:y:1\"},",
         "{\n\"libraries\": [{\"name\": \"p:q:2\"},"},
        {"text scan, file gone", "{\n\"libraries\": [{\"name\": \"x:y:1\"},", ""},
        {"own argument lists",
         R"({"arguments": {"game": []}, "mainClass": "M", "libraries": [{"name": "x:y:1"}]})",
         R"({"arguments": {"game": []}, "mainClass": "M", "libraries": [{"name": "p:q:2"}]})"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        market::InstallPipeline fresh{view, dialogs, pipeline.folders()};
        launcher.write(json, c.read);
        const VersionFiles files = readVersionFiles(fresh.folders(), "1.8");
        if (c.afterwards.empty()) {
            std::filesystem::remove(launcher.path() + "/" + json);
        } else {
            launcher.write(json, c.afterwards);
        }
        market::QueueMissingLibraries(fresh, "1.8", files, mirror);
        ASSERT_EQ(fresh.size(), 1u);
        const std::string task = textsOf(fresh.queue()).front();
        EXPECT_NE(task.find("y-1.jar[下载到]"), std::string::npos) << task;
        EXPECT_TRUE(task.ends_with("/.minecraft/libraries/x/y/1")) << task;
        EXPECT_FALSE(testing_support::exists(launcher.path() + "/.minecraft/libraries/p"));
    }
}

}  // namespace
