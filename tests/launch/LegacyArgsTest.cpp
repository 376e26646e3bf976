#include <gtest/gtest.h>

#include "context/GameFolders.h"
#include "launch/LegacyArgs.h"

TEST(LegacyArgs, CommandLineFor1024Megabytes) {
    LegacyValues values;
    values.versionId = "1.2.5";
    values.memoryMb = 1024;
    values.userName = "Steve";
    values.nativesFolder =
        GameFolders("C:\\G", platform::PathStyle::windows()).versionNatives("1.2.5");
    LaunchArgs args;
    addLegacyArgs(args, values,
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
    addLegacyArgs(args, values, {}, platform::PathStyle::posix());
    EXPECT_EQ(args.elements()[9], "\"\"");
}
