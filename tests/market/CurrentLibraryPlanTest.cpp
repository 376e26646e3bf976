#include "market/CurrentLibraryPlan.h"

#include <gtest/gtest.h>

#include "RecordingMarketView.h"
#include "TempFolder.h"

namespace {

using testing_support::TempFolder;
using Texts = std::vector<std::string>;

TEST(CurrentLibraryPlan, EachMissingJarOnceFromTheMirrorsLibraries) {
    TempFolder launcher{"当前 库"};
    const std::string lib = launcher.path() + "/.minecraft/libraries";
    // Present: the plain jar of a library whose natives jar (same folder) is missing.
    launcher.write(".minecraft/libraries/org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2.jar", "PK");
    LibraryFiles files;
    files.classPath = {{"org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2.jar", "", ""},
                       {"com/mojang/logging/1.1.1/logging-1.1.1.jar", "https://x",
                        "832B7DE2A4C2F4BD8D5D3E4B3E0E6B1F0E8E5B2A"},
                       {"l/loader/2/loader-2.jar", "", "not a digest"}};
    files.natives = {{{"org/lwjgl/lwjgl/3.2.2/lwjgl-3.2.2-natives-linux.jar", "", ""}, {}},
                     {{"com/mojang/logging/1.1.1/logging-1.1.1.jar", "", ""}, {}}};
    ServiceHosts hosts;
    hosts.mirror = "http://镜像:8080";
    market::InstallPlan plan = market::currentFormatLibraryPlan(
        files, GameFolders(launcher.path(), platform::PathStyle::posix()), hosts);
    EXPECT_EQ(
        tasksOf(plan),
        (Texts{"http://镜像:8080/libraries/com/mojang/logging/1.1.1/logging-1.1.1.jar[下载到]" +
                   lib + "/com/mojang/logging/1.1.1",
               "http://镜像:8080/libraries/l/loader/2/loader-2.jar[下载到]" + lib + "/l/loader/2",
               "http://镜像:8080/libraries/org/lwjgl/lwjgl/3.2.2/"
               "lwjgl-3.2.2-natives-linux.jar[下载到]" +
                   lib + "/org/lwjgl/lwjgl/3.2.2"}));
    // The digest the JSON gives is checked after the download; one that is no digest is not.
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[0].entry.sha1, "832b7de2a4c2f4bd8d5d3e4b3e0e6b1f0e8e5b2a");
    EXPECT_EQ(plan[1].entry.sha1, std::nullopt);
    // The Windows layout keeps "/" in the URL and puts "\" in the folder.
    market::InstallPlan windows = market::currentFormatLibraryPlan(
        {{{"a/b/1/b-1.jar", "", ""}}, {}}, GameFolders("C:\\游戏", platform::PathStyle::windows()),
        hosts);
    EXPECT_EQ(tasksOf(windows), (Texts{"http://镜像:8080/libraries/a/b/1/"
                                       "b-1.jar[下载到]C:\\游戏\\.minecraft\\libraries\\a\\b\\1"}));
}

}  // namespace
