#include <gtest/gtest.h>

#include <filesystem>

#include "LaunchFixtures.h"
#include "TempFolder.h"
#include "launch/MakeArgs.h"

using testing_support::TempFolder;

namespace {

const auto kPosix = platform::PathStyle::posix();

LaunchValues steve(const std::string& versionId, const std::string& token = "",
                   const std::string& uuid = "") {
    LaunchValues values = launch_fixtures::steve(versionId, 2048, '\\');
    values.accessToken = token;
    values.uuid = uuid;
    return values;
}

LaunchValues values(const std::string& versionId) {
    return launch_fixtures::steve(versionId, 1024, '/');
}

}  // namespace

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
            classPath, gameElement("net.minecraft.launchwrapper.Launch", values("1.7.10"))}));
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
        EXPECT_EQ(checkVersionFiles(l, c.id, kPosix), c.expected) << c.id;
        EXPECT_TRUE(args.elements().empty()) << c.id;
    }
    EXPECT_FALSE(testing_support::exists(l + "/libs.txt"));
}

TEST(GameElement, LayoutChosenByVersionAndSignIn) {
    struct Case {
        LaunchValues values;
        const char* expected;
    };
    const Case cases[] = {
        {steve("1.7.10"),
         "M Steve --session ${auth_session} --version 1.7.10 --gameDir .minecraft --assetsDir "
         ".minecraft\\assets --uuid ${auth_uuid} --assetIndex 1.7.10 --userProperties {} "
         "--userType legacy --accessToken ${auth_access_token} --tweakClass "
         "cpw.mods.fml.common.launcher.FMLTweaker"},
        {steve("1.5.2"),
         "M --username Steve ${auth_session} --gameDir .minecraft --assetsDir "
         ".minecraft\\assets"},
        // V is 7.3, but the "b" makes it old-style.
        {steve("b1.7.3"),
         "M --username Steve ${auth_session} --gameDir .minecraft --assetsDir "
         ".minecraft\\assets"},
        {steve("a1.2.6", "T", "U"),
         "M --username Steve ${auth_session} --gameDir .minecraft "
         "--assetsDir .minecraft\\assets"},
        {steve("14w02a", "tok", "0123abc"),
         "M --username Steve --version 14w02a --gameDir .minecraft --assetsDir "
         ".minecraft\\assets --uuid 0123abc --assetIndex 14w02a --userProperties {} "
         "--userType Legacy --accessToken tok"},
        // Not snapshot-shaped, but V = 14 keeps it modern.
        {steve("14W02A", "tok", "0123abc"),
         "M --username Steve --version 14W02A --gameDir .minecraft --assetsDir "
         ".minecraft\\assets --uuid 0123abc --assetIndex 14W02A --userProperties {} "
         "--userType Legacy --accessToken tok"},
        // A snapshot shape with V <= 5.9 is still signed in, but old-style offline.
        {steve("01w01a", "tok", "id"),
         "M --username Steve --version 01w01a --gameDir .minecraft --assetsDir "
         ".minecraft\\assets --uuid id --assetIndex 01w01a --userProperties {} "
         "--userType Legacy --accessToken tok"},
        {steve("01w01a"),
         "M --username Steve ${auth_session} --gameDir .minecraft --assetsDir "
         ".minecraft\\assets"},
        // An empty profile id falls back to the offline layouts.
        {steve("1.7.10", "tok", ""),
         "M Steve --session ${auth_session} --version 1.7.10 --gameDir .minecraft --assetsDir "
         ".minecraft\\assets --uuid ${auth_uuid} --assetIndex 1.7.10 --userProperties {} "
         "--userType legacy --accessToken ${auth_access_token} --tweakClass "
         "cpw.mods.fml.common.launcher.FMLTweaker"},
        {steve("1.5.2", "tok", "id"),
         "M --username Steve ${auth_session} --gameDir .minecraft "
         "--assetsDir .minecraft\\assets"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gameElement("M", c.values), c.expected) << c.values.versionId;
}

TEST(ModernArgs, ElementsOfAnOfflineLaunch) {
    LaunchArgs args;
    args.AddArg("left over");
    LaunchValues values = steve("1.7.10");
    values.ignorePatchDiscrepancies = false;
    addModernArgs(args, values, "-cp \"a.jar;b.jar\"", "net.minecraft.launchwrapper.Launch");
    EXPECT_EQ(
        args.elements(),
        (std::vector<std::string>{
            "-Xmx2048m", "-Dfml.ignoreInvalidMinecraftCertificates=true",
            "-Dfml.ignorePatchDiscrepancies=false", "-Djava.library.path=\".minecraft\\native\"",
            "-cp \"a.jar;b.jar\"", gameElement("net.minecraft.launchwrapper.Launch", values)}));
}
