#include "app/LauncherWindows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>

#include "LoopbackMirror.h"
#include "TestLauncher.h"
#include "WhenShown.h"
#include "launch/MakeArgs.h"
#include "launch/qt/frmmain.h"
#include "market/NativeInstaller.h"
#include "market/qt/frmmarket.h"

using namespace testing_support;

namespace {

// The market window's lifetime as the composition keeps it: loaded by the native check while
// the main window loads, kept invisible, shown modally by the market button, unloaded when
// closed and loaded anew (with a fresh catalogue) on the next use.
struct LauncherWindowsTest : ::testing::Test {
    TempFolder www{"mirror"};
    LoopbackMirror mirror{www.path()};
    TestLauncher launcher{"组合 windows"};

    LauncherWindowsTest() {
        www.write("versions/versions.json", R"({"versions": [{"id": "1.8", "type": "release"}]})");
        for (const std::string& name : market::NativeLibraryNames(platform::PathStyle::posix()))
            launcher.folder.write(".minecraft/native/" + name, "native");
        launcher.context.services.mirror = mirror.baseUrl();
    }
    size_t catalogueFetches() const {
        std::vector<std::string> paths = mirror.requestedPaths();
        return size_t(std::count(paths.begin(), paths.end(), "/versions/versions.json"));
    }
    // Closes the modal window once it is shown; records whether it was the market.
    void closeWhenShown(std::vector<std::string>& shown) {
        whenShown(
            QApplication::activeModalWidget,
            [&shown](QWidget* modal) {
                shown.push_back(modal->windowTitle().toStdString());
                modal->close();
            },
            500);
    }
};

TEST_F(LauncherWindowsTest, MarketStaysLoadedUntilClosedAndLoadsAnewAfterwards) {
    LauncherWindows windows(launcher.context);
    windows.mainWindow();
    // Nothing to fetch: the native check loaded the market with its catalogue and left it so.
    ASSERT_TRUE(windows.hasMarket());
    EXPECT_FALSE(windows.market().isVisible());
    EXPECT_EQ(catalogueFetches(), 1u);

    std::vector<std::string> shown;
    closeWhenShown(shown);
    launcher.context.hooks.showMarket(true);
    EXPECT_EQ(shown, std::vector<std::string>{"Vendrolupa - Minecraft 应用市场"});
    EXPECT_EQ(catalogueFetches(), 1u);  // the loaded window was shown, not a new one
    EXPECT_FALSE(windows.hasMarket());  // closing unloaded it

    closeWhenShown(shown);
    launcher.context.hooks.showMarket(true);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(catalogueFetches(), 2u);
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

TEST_F(LauncherWindowsTest, LibraryCheckWithNothingMissingClosesTheMarketAndGoesOn) {
    launcher.folder.write(".minecraft/versions/1.8/1.8.json", R"({"libraries": []})");
    LauncherWindows windows(launcher.context);
    windows.mainWindow();
    launcher.context.hooks.showMarket(false);
    EXPECT_TRUE(windows.market().isVisible());
    launcher.context.hooks.checkLibraries("1.8",
                                          readVersionFiles(launcher.context.folders(), "1.8"));
    EXPECT_FALSE(windows.hasMarket());
}

}  // namespace
