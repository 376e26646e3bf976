#include <gtest/gtest.h>

#include "LaunchFixtures.h"
#include "launch/LaunchArgs.h"
#include "launch/LegacyArgs.h"
#include "launch/MakeArgs.h"
#include "launch/VersionNumber.h"

namespace {

LaunchValues steve(const std::string& versionId, const std::string& token = "",
                   const std::string& uuid = "") {
    LaunchValues values = launch_fixtures::steve(versionId, 2048, '\\');
    values.accessToken = token;
    values.uuid = uuid;
    return values;
}

}  // namespace

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
        EXPECT_EQ(GameElement("M", c.values), c.expected) << c.values.versionId;
}

TEST(ModernArgs, ElementsOfAnOfflineLaunch) {
    LaunchArgs args;
    args.AddArg("left over");
    LaunchValues values = steve("1.7.10");
    values.ignorePatchDiscrepancies = false;
    AddModernArgs(args, values, "-cp \"a.jar;b.jar\"", "net.minecraft.launchwrapper.Launch");
    EXPECT_EQ(
        args.elements(),
        (std::vector<std::string>{
            "-Xmx2048m", "-Dfml.ignoreInvalidMinecraftCertificates=true",
            "-Dfml.ignorePatchDiscrepancies=false", "-Djava.library.path=\".minecraft\\native\"",
            "-cp \"a.jar;b.jar\"", GameElement("net.minecraft.launchwrapper.Launch", values)}));
}

TEST(LegacyArgs, CommandLineFor1024Megabytes) {
    LegacyValues values;
    values.versionId = "1.2.5";
    values.memoryMb = 1024;
    values.userName = "Steve";
    values.nativesFolder =
        GameFolders("C:\\G", platform::PathStyle::windows()).versionNatives("1.2.5");
    LaunchArgs args;
    AddLegacyArgs(args, values,
                  {"C:\\G\\.minecraft\\versions\\1.2.5\\minecraft.jar",
                   "C:\\G\\.minecraft\\versions\\1.2.5\\bin\\lwjgl.jar"},
                  platform::PathStyle::windows());
    EXPECT_EQ(args.JoinArgs(),
              "-Xincgc -Xmx1024M -XX:PermSize=64M -XX:MaxPermSize=128M "
              "-Dsun.java2d.noddraw=true -Dsun.java2d.pmoffscreen=false -Dsun.java2d.d3d=false "
              "-Dsun.java2d.opengl=false -cp "
              "\"C:\\G\\.minecraft\\versions\\1.2.5\\minecraft.jar;"
              "C:\\G\\.minecraft\\versions\\1.2.5\\bin\\lwjgl.jar\" "
              "-Djava.library.path=\"C:\\G\\.minecraft\\versions\\1.2.5\\natives\" "
              "net.minecraft.client.Minecraft Steve");
    AddLegacyArgs(args, values, {}, platform::PathStyle::posix());
    EXPECT_EQ(args.elements()[9], "\"\"");
}

TEST(VersionNumber, LeadingNumberAfterTheFirstDot) {
    struct Case {
        const char* id;
        double expected;
    };
    const Case cases[] = {
        {"1.7.10", 7.1},  {"1.6.4", 6.4},
        {"1.12.2", 12.2}, {"1.7.10-Forge10.13.4.1614-1.7.10", 7.1},
        {"14w02a", 14.0}, {"b1.7.3", 7.3},
        {"1.5.9", 5.9},   {"Forge", 0.0},
        {"1.", 0.0},      {"", 0.0},
        {"1.x7", 0.0},    {"1. 8", 8.0},
        {"1.8e3", 8.0},   {"1.0x10", 0.0},
        {"1.-2", -2.0},   {"1.+2", 2.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(VersionNumber(c.id), c.expected) << c.id;
}

TEST(VersionNumber, SnapshotShape) {
    EXPECT_TRUE(IsSnapshotShaped("14w02a"));
    EXPECT_TRUE(IsSnapshotShaped("版本w中文字"));
    EXPECT_FALSE(IsSnapshotShaped("14W02A"));
    EXPECT_FALSE(IsSnapshotShaped("14w02"));
    EXPECT_FALSE(IsSnapshotShaped("14w02ab"));
    EXPECT_FALSE(IsSnapshotShaped("1.7.10"));
}

TEST(MainClass, CutBehindTheMarker) {
    EXPECT_EQ(FindMainClass("\r\n  \"mainClass\": \"net.minecraft.client.main.Main\",\r\n"),
              "net.minecraft.client.main.Main");
    EXPECT_EQ(FindMainClass("\"mainClass\": \"a\" \"mainClass\": \"b\""), "a");
    EXPECT_FALSE(FindMainClass("\"mainClass\":\"M\""));
    EXPECT_FALSE(FindMainClass("\"mainClass\": \"\", \"id\": \"x\""));
    EXPECT_FALSE(FindMainClass("\"mainClass\": \"M"));
    EXPECT_FALSE(FindMainClass("\"mainClass\": \""));
}

TEST(LaunchArgs, JoinDropsOnlyLeadingEmptyElements) {
    LaunchArgs args;
    EXPECT_EQ(args.JoinArgs(), "");
    for (const char* element : {"", "", "-a", "", "b c"})
        args.AddArg(element);
    EXPECT_EQ(args.JoinArgs(), "-a  b c");
}

TEST(LaunchArgs, HoldsAtMostTheCountTheCommandLineTakes) {
    LaunchArgs args;
    for (size_t i = 0; i < LaunchArgs::kMaxElements; ++i)
        ASSERT_TRUE(args.AddArg("x"));
    EXPECT_FALSE(args.AddArg("y"));
    EXPECT_EQ(args.elements().size(), LaunchArgs::kMaxElements);
}
