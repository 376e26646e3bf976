#include <gtest/gtest.h>

#include "context/GameFolders.h"
#include "launch/LibraryPath.h"
#include "launch/VersionText.h"

TEST(LibraryPathRule, SplitsCoordinatesOfAnyLength) {
    struct Case {
        const char* coordinate;
        std::optional<LibraryCoordinate> windows;
    };
    const Case cases[] = {
        {"org.lwjgl.lwjgl:lwjgl:2.9.1", {{"org\\lwjgl\\lwjgl\\lwjgl\\2.9.1", "lwjgl", "2.9.1"}}},
        // Dots of artifact and version stay.
        {"tv.twitch:twitch.platform:5.16",
         {{"tv\\twitch\\twitch.platform\\5.16", "twitch.platform", "5.16"}}},
        // More than three parts: every ":" is a folder, the version keeps the rest.
        {"net.x:lib:1.0:natives", {{"net\\x\\lib\\1.0\\natives", "lib", "1.0:natives"}}},
        // Two parts: the artifact is the rest and the version is empty.
        {"net.x:lib", {{"net\\x\\lib", "lib", ""}}},
        {":lib:1", {{"\\lib\\1", "lib", "1"}}},
        {"osx", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitCoordinate(c.coordinate, platform::PathStyle::windows()), c.windows)
            << c.coordinate;

    auto posix = splitCoordinate("org.lwjgl.lwjgl:lwjgl:2.9.1", platform::PathStyle::posix());
    EXPECT_EQ(posix->folderPart, "org/lwjgl/lwjgl/lwjgl/2.9.1");
}

TEST(LibraryPathRule, JarPathsOfTheExamples) {
    const auto windows = platform::PathStyle::windows();
    std::string root = GameFolders("L", windows).libraries() + "\\";
    EXPECT_EQ(root, "L\\.minecraft\\libraries\\");
    auto path = [&](const char* coordinate, const std::string& classifier) {
        auto library = splitCoordinate(coordinate, windows);
        return libraryFolderOf(root, *library, windows) + jarName(*library, classifier);
    };
    EXPECT_EQ(path("org.lwjgl.lwjgl:lwjgl:2.9.1", ""),
              "L\\.minecraft\\libraries\\org\\lwjgl\\lwjgl\\lwjgl\\2.9.1\\lwjgl-2.9.1.jar");
    EXPECT_EQ(path("org.lwjgl.lwjgl:lwjgl-platform:2.9.1", "natives-windows"),
              "L\\.minecraft\\libraries\\org\\lwjgl\\lwjgl\\lwjgl-platform\\2.9.1\\"
              "lwjgl-platform-2.9.1-natives-windows.jar");
    EXPECT_EQ(path("tv.twitch:twitch-platform:5.16", replaceArch("natives-windows-${arch}", "32")),
              "L\\.minecraft\\libraries\\tv\\twitch\\twitch-platform\\5.16\\"
              "twitch-platform-5.16-natives-windows-32.jar");
    EXPECT_EQ(path("net.x:lib:1.0:natives", ""),
              "L\\.minecraft\\libraries\\net\\x\\lib\\1.0\\natives\\lib-1.0:natives.jar");
}
