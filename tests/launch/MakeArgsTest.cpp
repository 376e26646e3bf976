#include <gtest/gtest.h>

#include <filesystem>

#include "LaunchFixtures.h"
#include "TempFolder.h"
#include "launch/FindFiles.h"
#include "launch/MakeArgs.h"

using testing_support::TempFolder;

namespace {

const auto kPosix = platform::PathStyle::posix();

LaunchValues values(const std::string& versionId) {
    return launch_fixtures::steve(versionId, 1024, '/');
}

}  // namespace

TEST(FindFiles, WalksTheTreeLeavingOutHiddenFilesAndDotFolders) {
    TempFolder tree("查找 文件");
    const std::string t = tree.path();
    for (const char* file : {"b.jar", "a.JAR", "notes.txt", ".hidden.jar", "jar", "lib/x.jar",
                             "lib/deep/er/y.jar", ".git/z.jar", "a.d/.w.jar", "a.d/w.jar"})
        tree.write(file, "PK");
    tree.makeFolder("empty");
    std::filesystem::create_directory_symlink(t, t + "/loop");

    EXPECT_EQ(FindFiles(t, "*.jar", kPosix),
              (std::vector<std::string>{t + "/a.JAR", t + "/b.jar", t + "/a.d/w.jar",
                                        t + "/lib/x.jar", t + "/lib/deep/er/y.jar"}));
    EXPECT_EQ(FindFiles(t + "/lib/", "?.jar", kPosix),
              (std::vector<std::string>{t + "/lib/x.jar", t + "/lib/deep/er/y.jar"}));
    EXPECT_TRUE(FindFiles(t + "/missing", "*.jar", kPosix).empty());
}

TEST(FindFiles, WildcardsMatchLikeWindowsNames) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"minecraft.jar", "*.jar", true},
        {"MINECRAFT.JAR", "*.jar", true},
        {"a.jar.bak", "*.jar", false},
        {"x.jar", "?.jar", true},
        {"xy.jar", "?.jar", false},
        {"a.b.jar", "*.*", true},
        {"jar", "*.jar", false},
        {"游戏.jar", "*.jar", true},
        {"aXbXc", "a*b*c", true},
        {"ab", "a*b*c", false},
        // A "*" in the name is a letter like any other.
        {"*x.jar", "*.jar", true},
        {"**", "*", true},
        {"*", "?", true},
        {"x*", "*y", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}

TEST(MakeArgs, NewLayoutFromTheVersionJson) {
    TempFolder launcher;
    const std::string l = launcher.path();
    launch_fixtures::writeVersion(
        launcher, "1.7.10",
        launch_fixtures::versionJson("1.7.10", "net.minecraft.launchwrapper.Launch",
                                     {{"org.lwjgl.lwjgl:lwjgl:2.9.1", ""}}));
    launch_fixtures::fillLibraryFolder(launcher, "org/lwjgl/lwjgl/lwjgl/2.9.1", "lwjgl-2.9.1.jar");
    LaunchArgs args;
    ASSERT_EQ(MakeArgs(args, values("1.7.10"), l, kPosix), ArgsStatus::Ok);
    const std::string classPath = "-cp \"" + l +
                                  "/.minecraft/libraries/org/lwjgl/lwjgl/lwjgl/2.9.1/"
                                  "lwjgl-2.9.1.jar:" +
                                  l + "/.minecraft/versions/1.7.10/1.7.10.jar\"";
    EXPECT_EQ(
        args.elements(),
        (std::vector<std::string>{
            "-Xmx1024m", "-Dfml.ignoreInvalidMinecraftCertificates=true",
            "-Dfml.ignorePatchDiscrepancies=true", "-Djava.library.path=\".minecraft/native\"",
            classPath, GameElement("net.minecraft.launchwrapper.Launch", values("1.7.10"))}));
    EXPECT_TRUE(testing_support::exists(l + "/libs.txt"));
}

TEST(MakeArgs, OldLayoutTakesEveryJarAndNoJson) {
    TempFolder launcher;
    const std::string l = launcher.path();
    const std::string v = l + "/.minecraft/versions/1.2.5/";
    for (const char* file : {"minecraft.jar", "bin/lwjgl.jar", "natives/lwjgl.dll"})
        launcher.write(".minecraft/versions/1.2.5/" + std::string(file), "PK");
    LaunchArgs args;
    ASSERT_EQ(MakeArgs(args, values("1.2.5"), l, kPosix), ArgsStatus::Ok);
    EXPECT_EQ(args.JoinArgs(),
              "-Xincgc -Xmx1024M -XX:PermSize=64M -XX:MaxPermSize=128M "
              "-Dsun.java2d.noddraw=true -Dsun.java2d.pmoffscreen=false -Dsun.java2d.d3d=false "
              "-Dsun.java2d.opengl=false -cp \"" +
                  v + "minecraft.jar:" + v + "bin/lwjgl.jar\" -Djava.library.path=\"" + v +
                  "natives\" net.minecraft.client.Minecraft Steve");
    EXPECT_FALSE(testing_support::exists(l + "/libs.txt"));
}

TEST(MakeArgs, ReportsAMissingJsonOrMainClassAndLeavesNoArguments) {
    TempFolder launcher;
    const std::string l = launcher.path();
    launch_fixtures::writeVersion(launcher, "nomain",
                                  launch_fixtures::versionJson("nomain", "", {}));
    launcher.makeFolder(".minecraft/versions/empty");
    struct Case {
        const char* id;
        ArgsStatus expected;
    };
    for (const Case& c : {Case{"empty", ArgsStatus::VersionJsonMissing},
                          Case{"absent", ArgsStatus::VersionJsonMissing},
                          Case{"nomain", ArgsStatus::MainClassMissing}}) {
        LaunchArgs args;
        args.AddArg("old");
        EXPECT_EQ(MakeArgs(args, values(c.id), l, kPosix), c.expected) << c.id;
        EXPECT_EQ(CheckVersionFiles(l, c.id, kPosix), c.expected) << c.id;
        EXPECT_TRUE(args.elements().empty()) << c.id;
    }
    EXPECT_FALSE(testing_support::exists(l + "/libs.txt"));
}
