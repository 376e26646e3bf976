#include <gtest/gtest.h>

#include <set>

#include "LaunchFixtures.h"
#include "TempFolder.h"
#include "launch/ClassPath.h"
#include "launch/LibraryPath.h"
#include "launch/VersionText.h"
#include "platform/CodePage.h"

using launch_fixtures::JsonLibrary;
using launch_fixtures::versionJson;

namespace {

const char* kLwjgl = "L\\.minecraft\\libraries\\org\\lwjgl\\lwjgl\\lwjgl\\2.9.1\\";
const char* kPlatform = "L\\.minecraft\\libraries\\org\\lwjgl\\lwjgl\\lwjgl-platform\\2.9.1\\";
const char* kTwitch = "L\\.minecraft\\libraries\\tv\\twitch\\twitch-platform\\5.16\\";
const char* kGameJar = "L\\.minecraft\\versions\\1.7.10\\1.7.10.jar";

// The Windows class path of a version text, with the library folders in `present` holding
// files.
std::string windowsClassPath(const std::vector<JsonLibrary>& libraries,
                             const std::set<std::string>& present, const char* arch = "32") {
    std::string text = makeVersionText({versionJson("1.7.10", "M", libraries)});
    return classPathFromText(text, kGameJar, "L\\.minecraft\\libraries\\",
                             platform::PathStyle::windows(), arch,
                             [&](const std::string& folder) { return present.count(folder) > 0; });
}

}  // namespace

TEST(ClassPath, WindowsTextsOfTheLibraryCases) {
    const JsonLibrary lwjgl{"org.lwjgl.lwjgl:lwjgl:2.9.1", ""};
    const JsonLibrary platformNatives{"org.lwjgl.lwjgl:lwjgl-platform:2.9.1", "natives-windows"};
    const JsonLibrary twitch{"tv.twitch:twitch-platform:5.16", "natives-windows-${arch}"};
    const std::set<std::string> all{kLwjgl, kPlatform, kTwitch};
    const std::string lwjglJar = std::string(kLwjgl) + "lwjgl-2.9.1.jar";

    EXPECT_EQ(windowsClassPath({lwjgl, platformNatives}, all),
              "-cp \"" + lwjglJar + ";" + kPlatform + "lwjgl-platform-2.9.1-natives-windows.jar;" +
                  kPlatform + "lwjgl-platform-2.9.1.jar;" + kGameJar + "\"");
    // A library listed twice comes twice.
    EXPECT_EQ(windowsClassPath({lwjgl, lwjgl}, all),
              "-cp \"" + lwjglJar + ";" + lwjglJar + ";" + kGameJar + "\"");
    EXPECT_EQ(windowsClassPath({twitch}, all, "32"),
              std::string("-cp \"") + kTwitch + "twitch-platform-5.16-natives-windows-32.jar;" +
                  kTwitch + "twitch-platform-5.16.jar;" + kGameJar + "\"");
    EXPECT_EQ(windowsClassPath({twitch}, all, "64"),
              std::string("-cp \"") + kTwitch + "twitch-platform-5.16-natives-windows-64.jar;" +
                  kTwitch + "twitch-platform-5.16.jar;" + kGameJar + "\"");
    // A missing folder contributes nothing, and no library leaves no stray separator.
    EXPECT_EQ(windowsClassPath({lwjgl, platformNatives}, {kPlatform}),
              std::string("-cp \"") + kPlatform + "lwjgl-platform-2.9.1-natives-windows.jar;" +
                  kPlatform + "lwjgl-platform-2.9.1.jar;" + kGameJar + "\"");
    EXPECT_EQ(windowsClassPath({lwjgl}, {}), std::string("-cp \"") + kGameJar + "\"");
    EXPECT_EQ(windowsClassPath({}, all), std::string("-cp \"") + kGameJar + "\"");
}

TEST(ClassPath, NativesWithoutWindowsKeyAndJsonWithoutBlankAddOnlyWhatTheyName) {
    std::string linuxOnly =
        "\r\n{\r\n\"name\": \"a.b:c:1\",\r\n\"natives\": {\r\n\"linux\": \"natives-linux\"\r\n},";
    std::string compact = "\r\n{\"libraries\":[{\"name\":\"a.b:c:1\"}],\"mainClass\":\"M\"}";
    auto any = [](const std::string&) { return true; };
    const auto windows = platform::PathStyle::windows();
    EXPECT_EQ(classPathFromText(linuxOnly, "G.jar", "R\\", windows, "64", any),
              "-cp \"R\\a\\b\\c\\1\\c-1.jar;G.jar\"");
    EXPECT_EQ(classPathFromText(compact, "G.jar", "R\\", windows, "64", any), "-cp \"G.jar\"");
}

TEST(ClassPath, GameJarKeepsEverythingButTheJsonEnding) {
    EXPECT_EQ(gameJarPath("L\\.minecraft\\versions\\1.7.10\\1.7.10.json"),
              "L\\.minecraft\\versions\\1.7.10\\1.7.10.jar");
    EXPECT_EQ(gameJarPath("/a.json.d/v/v.json"), "/a.jar.d/v/v.jar");
    EXPECT_EQ(gameJarPath("/games/1.JSON"), "/games/1.JSON");
}

TEST(MakeClassPath, RealFoldersDecideAndTheResultIsCopiedToLibsTxt) {
    testing_support::TempFolder launcher("类路径 测试");
    const std::string l = launcher.path();
    std::string json = launch_fixtures::writeVersion(
        launcher, "1.7.10",
        versionJson("1.7.10", "M",
                    {{"org.lwjgl.lwjgl:lwjgl:2.9.1", ""},
                     {"org.lwjgl.lwjgl:lwjgl-platform:2.9.1", "natives-windows"},
                     {"net.missing:gone:1", ""},
                     {"net.hidden:only:1", ""},
                     {"net.sub:folders:1", ""}}));
    launch_fixtures::fillLibraryFolder(launcher, "org/lwjgl/lwjgl/lwjgl/2.9.1", "other.txt");
    // A folder holding only the native jar still puts the plain jar path on.
    launch_fixtures::fillLibraryFolder(launcher, "org/lwjgl/lwjgl/lwjgl-platform/2.9.1",
                                       "lwjgl-platform-2.9.1-natives-windows.jar");
    // Hidden files and sub-folders do not count as files of the folder.
    launch_fixtures::fillLibraryFolder(launcher, "net/hidden/only/1", ".only-1.jar");
    launcher.makeFolder(".minecraft/libraries/net/sub/folders/1/inner");

    std::string root = l + "/.minecraft/libraries/";
    std::string expected = "-cp \"" + root + "org/lwjgl/lwjgl/lwjgl/2.9.1/lwjgl-2.9.1.jar:" + root +
                           "org/lwjgl/lwjgl/lwjgl-platform/2.9.1/"
                           "lwjgl-platform-2.9.1-natives-windows.jar:" +
                           root +
                           "org/lwjgl/lwjgl/lwjgl-platform/2.9.1/lwjgl-platform-2.9.1.jar:" + l +
                           "/.minecraft/versions/1.7.10/1.7.10.jar\"";
    EXPECT_EQ(MakeClassPath(json, l, platform::PathStyle::posix()), expected);
    // libs.txt is a code-page text file like every other.
    EXPECT_EQ(testing_support::readAll(l + "/libs.txt"), platform::toCodePage(expected) + "\r\n");

    // An unreadable JSON gives the game jar alone.
    EXPECT_EQ(MakeClassPath(l + "/.minecraft/versions/x/x.json", l, platform::PathStyle::posix()),
              "-cp \"" + l + "/.minecraft/versions/x/x.jar\"");
}
