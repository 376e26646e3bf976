#include "context/GameFolders.h"

#include <gtest/gtest.h>

namespace {

using platform::PathStyle;

TEST(GameFoldersTest, EveryFolderInBothStyles) {
    GameFolders win("C:\\游戏", PathStyle::windows());
    GameFolders posix("/home/玩家/mc", PathStyle::posix());
    struct Case {
        std::string windows, posix, expectedWindows, expectedPosix;
    };
    const Case cases[] = {
        {win.root(), posix.root(), "C:\\游戏\\.minecraft", "/home/玩家/mc/.minecraft"},
        {win.versionJson("1.7.10"), posix.versionJson("1.7.10"),
         "C:\\游戏\\.minecraft\\versions\\1.7.10\\1.7.10.json",
         "/home/玩家/mc/.minecraft/versions/1.7.10/1.7.10.json"},
        {win.versionJar("a b"), posix.versionJar("a b"),
         "C:\\游戏\\.minecraft\\versions\\a b\\a b.jar",
         "/home/玩家/mc/.minecraft/versions/a b/a b.jar"},
        {win.native(), posix.native(), "C:\\游戏\\.minecraft\\Native",
         "/home/玩家/mc/.minecraft/native"},
        {win.assetObjects(), posix.assetObjects(), "C:\\游戏\\.minecraft\\assets\\objects",
         "/home/玩家/mc/.minecraft/assets/objects"},
        {win.assetIndexes(), posix.assetIndexes(), "C:\\游戏\\.minecraft\\assets\\indexes",
         "/home/玩家/mc/.minecraft/assets/indexes"},
        {win.libraries(), posix.libraries(), "C:\\游戏\\.minecraft\\libraries",
         "/home/玩家/mc/.minecraft/libraries"},
        {win.mods(), posix.mods(), "C:\\游戏\\.minecraft\\mods", "/home/玩家/mc/.minecraft/mods"},
        // Only the relative part changes its separators, never the launcher folder's own.
        {GameFolders("/l/a", PathStyle::windows()).inGameFolder("libraries/a/b.jar"),
         posix.inGameFolder("assets/objects/ab"), "/l/a\\.minecraft\\libraries\\a\\b.jar",
         "/home/玩家/mc/.minecraft/assets/objects/ab"},
        {win.oldLayoutJar("b1.7.3"), posix.oldBinJar(),
         "C:\\游戏\\.minecraft\\versions\\b1.7.3\\minecraft.jar",
         "/home/玩家/mc/.minecraft/bin/minecraft.jar"},
        // Files of the launcher folder itself take the style's separator inside their path too.
        {win.inLauncherFolder(".Vendrolupa_Data\\config.ini"), posix.inLauncherFolder("libs.txt"),
         "C:\\游戏\\.Vendrolupa_Data\\config.ini", "/home/玩家/mc/libs.txt"},
        {win.inLauncherFolder("libs.txt"), posix.inLauncherFolder(".Vendrolupa_Data\\x.ini"),
         "C:\\游戏\\libs.txt", "/home/玩家/mc/.Vendrolupa_Data/x.ini"},
        // The game is started in the launcher folder and told these relative folders; the
        // native one keeps its lower-case name on both systems.
        {win.relativeNative(), posix.relativeNative(), ".minecraft\\native", ".minecraft/native"},
        {win.relativeAssets(), posix.relativeAssets(), ".minecraft\\assets", ".minecraft/assets"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.windows, c.expectedWindows);
        EXPECT_EQ(c.posix, c.expectedPosix);
    }
}

}  // namespace
