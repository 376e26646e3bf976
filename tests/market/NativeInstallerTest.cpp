#include "market/NativeInstaller.h"

#include <gtest/gtest.h>

#include "market/MirrorSource.h"

#include "RecordingMarketView.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

namespace {

TEST(NativePlan, EveryMissingLibraryOfTheTableInOrder) {
    testing_support::TempFolder launcher{"本地 native"};
    ServiceHosts hosts;
    hosts.files = "http://f";
    const std::string native = launcher.path() + "/.minecraft/native/";
    const auto& windows = market::NativeLibraryNames(platform::PathStyle::windows());
    ASSERT_EQ(windows.size(), 13u);
    market::InstallPlan all =
        market::nativeInstallPlan(native, windows, hosts, platform::PathStyle::posix());
    ASSERT_EQ(all.size(), 13u);
    EXPECT_EQ(all.front().entry.listText(), "http://f/avutil-ttv-51.dll[下载到]" + native);
    EXPECT_EQ(all.back().entry.listText(), "http://f/OpenAL64.dll[下载到]" + native);

    const auto& linux = market::NativeLibraryNames(platform::PathStyle::posix());
    for (const std::string& name : linux) {
        if (name != "liblwjgl64.so") launcher.write(".minecraft/native/" + name, "so");
    }
    market::InstallPlan one =
        market::nativeInstallPlan(native, linux, hosts, platform::PathStyle::posix());
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].entry.listText(), "http://f/liblwjgl64.so[下载到]" + native);
    EXPECT_EQ(one[0].folder, launcher.path() + "/.minecraft/native");
}

#ifndef _WIN32
// The file test joins in the folder's own style: on Linux a Windows-style join names a file
// whose name holds a backslash, so only the right join finds each file.
TEST(NativePlan, TheFileTestJoinsInTheFoldersStyle) {
    testing_support::TempFolder launcher{"本地 style"};
    launcher.write("native\\lwjgl.dll", "dll");
    launcher.write("native/liblwjgl.so", "so");
    const std::string native = launcher.path() + "/native";
    const std::vector<std::string> names = {"lwjgl.dll", "liblwjgl.so"};
    EXPECT_EQ(market::missingNatives(native, names, platform::PathStyle::windows()),
              std::vector<std::string>{"liblwjgl.so"});
    EXPECT_EQ(market::missingNatives(native + "/", names, platform::PathStyle::posix()),
              std::vector<std::string>{"lwjgl.dll"});
}
#endif

struct NativeCheck : ::testing::Test, MarketOnDisk {
    NativeCheck() : MarketOnDisk("本地 check") {}
};

TEST_F(NativeCheck, CreatesTheFolderAndQueuesOnlyWhatIsMissing) {
    const std::string native = pipeline.folders().native() + "/";
    const market::MirrorSource mirror{ServiceHosts{}};
    market::QueueOutcome first = market::QueueMissingNatives(pipeline, native, mirror);
    EXPECT_EQ(first.added, 6u);
    EXPECT_TRUE(first.startHead);
    EXPECT_TRUE(testing_support::exists(pipeline.folders().native()));

    for (const std::string& name : market::NativeLibraryNames(platform::PathStyle::posix()))
        launcher.write(".minecraft/native/" + name, "so");
    market::InstallPipeline fresh{view, dialogs, pipeline.folders()};
    market::QueueOutcome none = market::QueueMissingNatives(fresh, native, mirror);
    EXPECT_EQ(none.added, 0u);
    EXPECT_TRUE(fresh.empty());
}

}  // namespace
