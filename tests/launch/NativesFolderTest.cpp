#include "launch/NativesFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "ZipBuilder.h"

using testing_support::readAll;
using testing_support::TempFolder;
using testing_support::writeZip;

namespace {

using Texts = std::vector<std::string>;

TEST(NativesFolder, SignaturesAndExcludedEntriesStayInTheJar) {
    struct Case {
        std::string name;
        Texts exclude;
        bool wanted;
    };
    const std::vector<Case> cases = {
        {"liblwjgl.so", {"META-INF/"}, true},
        {"META-INF/MANIFEST.MF", {}, false},
        {"META-INF/LWJGL.SF", {"META-INF/"}, false},
        {"meta-inf/x", {}, true},
        {"linux/x64/org/lwjgl/liblwjgl.so.sha1",
         {"META-INF/", "linux/x64/org/lwjgl/liblwjgl.so.sha1"},
         false},
        {"linux/x64/org/lwjgl/liblwjgl.so",
         {"META-INF/", "linux/x64/org/lwjgl/liblwjgl.so.sha1"},
         true},
        {"x.dll", {""}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nativeEntryWanted(c.name, c.exclude), c.wanted) << c.name;
}

TEST(NativesFolder, JarsAreExtractedIntoTheVersionsNativesFolder) {
    TempFolder launcher{"本地 库"};
    const std::string libraries = launcher.makeFolder(".minecraft/libraries");
    const std::string natives = launcher.path() + "/.minecraft/versions/1.20.1/natives";
    writeZip(libraries + "/org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-linux.jar",
             {{"META-INF/MANIFEST.MF", "Manifest-Version: 1.0"},
              {"META-INF/", ""},
              {"liblwjgl.so", "ELF lwjgl"},
              {"liblwjgl.so.sha1", "ab"},
              {"linux/", ""},
              {"linux/x64/libglfw.so", "ELF glfw"}});
    writeZip(libraries + "/tv/twitch/t/1/t-1-natives.jar", {{"twitchsdk.so", "ELF twitch"}});
    std::vector<LibraryFiles::Natives> jars = {
        {{"org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-linux.jar", "", ""},
         {"META-INF/", "liblwjgl.so.sha1"}},
        {{"tv/twitch/t/1/t-1-natives.jar", "", ""}, {}},
    };
    platform::Result<> done =
        extractNatives(jars, libraries, natives, platform::PathStyle::posix());
    ASSERT_TRUE(done) << done.reason();
    Texts found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(natives)) {
        if (entry.is_regular_file())
            found.push_back(entry.path().lexically_relative(natives).generic_string());
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Texts{"liblwjgl.so", "linux/x64/libglfw.so", "twitchsdk.so"}));
    EXPECT_EQ(readAll(natives + "/linux/x64/libglfw.so"), "ELF glfw");
}

TEST(NativesFolder, AHostileOrMissingJarStopsTheStartAndSaysWhich) {
    struct Case {
        const char* what;
        std::vector<testing_support::ZipSample> entries;  // empty: no jar at all
        Texts reasonHolds;
    };
    const std::vector<Case> cases = {
        {"an entry that climbs out",
         {{"ok.so", "fine"}, {"../../../outside.so", "evil"}},
         {"bad.jar", "../../../outside.so"}},
        {"an absolute entry", {{"/tmp/evil.so", "evil"}}, {"/tmp/evil.so"}},
        {"a missing jar", {}, {"bad.jar"}},
    };
    for (const Case& c : cases) {
        TempFolder launcher{"坏 本地库"};
        const std::string libraries = launcher.makeFolder(".minecraft/libraries");
        const std::string natives = launcher.path() + "/.minecraft/versions/v/natives";
        if (!c.entries.empty()) writeZip(libraries + "/a/bad.jar", c.entries);
        platform::Result<> done = extractNatives({{{"a/bad.jar", "", ""}, {"META-INF/"}}},
                                                 libraries, natives, platform::PathStyle::posix());
        ASSERT_FALSE(done) << c.what;
        for (const std::string& part : c.reasonHolds)
            EXPECT_NE(done.reason().find(part), std::string::npos)
                << c.what << ": " << done.reason();
        // Nothing of a refused jar is written, inside the folder or beside it.
        EXPECT_FALSE(testing_support::exists(natives + "/ok.so")) << c.what;
        EXPECT_FALSE(testing_support::exists(launcher.path() + "/.minecraft/outside.so")) << c.what;
    }
}

}  // namespace
