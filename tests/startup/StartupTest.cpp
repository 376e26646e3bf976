#include <gtest/gtest.h>

#include <functional>

#include "TestLauncher.h"
#include "startup/SettingsFile.h"
#include "startup/Startup.h"

using platform::MessageButtons;
using platform::MessageIcon;
using testing_support::TestLauncher;

namespace {

// Records the order in which windows open; the settings window runs `whileSettingsOpen`.
struct RecordingWindows : StartupWindows {
    std::vector<std::string> events;
    std::function<void()> whileSettingsOpen = [] {};
    bool firstRunWhenShown = false;
    LauncherContext* context = nullptr;
    void showSettingsModal() override {
        events.push_back("settings");
        firstRunWhenShown = context->firstRun;
        whileSettingsOpen();
    }
    void showMainWindow() override { events.push_back("main"); }
};

struct StartupTest : ::testing::Test {
    TestLauncher launcher;
    RecordingWindows windows;
    StartupTest() { windows.context = &launcher.context; }
};

TEST_F(StartupTest, WithoutSettingsFileWelcomesAndEndsWhenSetupIsGivenUp) {
    EXPECT_FALSE(startLauncher(launcher.context, windows));
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    const auto& welcome = launcher.dialogs.shown[0];
    EXPECT_EQ(welcome.text, "欢迎使用 Vendrolupa！在启动 Minecraft 之前，我们先进行一些配置。");
    EXPECT_EQ(welcome.title, "Vendrolupa");
    EXPECT_EQ(welcome.icon, MessageIcon::Information);
    EXPECT_EQ(welcome.buttons, MessageButtons::Ok);
    EXPECT_EQ(windows.events, std::vector<std::string>{"settings"});
    EXPECT_TRUE(windows.firstRunWhenShown);
    EXPECT_TRUE(launcher.ended);
}

TEST_F(StartupTest, ASavedFirstSetupGoesOnToTheMainWindowAndLoadsTheSettings) {
    windows.whileSettingsOpen = [this] {
        launcher.folder.write(".Vendrolupa_Data/config.ini", "steve\r\n512\r\njava\r\n\r\nred\r\n");
        launcher.context.setupDone = true;
        launcher.context.firstRun = false;
    };
    EXPECT_TRUE(startLauncher(launcher.context, windows));
    EXPECT_EQ(windows.events, (std::vector<std::string>{"settings", "main"}));
    EXPECT_EQ(launcher.context.config.userName, "steve");
    EXPECT_FALSE(launcher.ended);
}

TEST_F(StartupTest, AnExistingSettingsFileSkipsWelcomeAndSettings) {
    launcher.folder.write(".Vendrolupa_Data/config.ini", "alex\r\n1024\r\njava\r\n\r\ngray\r\n");
    std::vector<std::string> order;
    launcher.context.hooks.applyTheme = [&](uint32_t) { order.push_back("theme"); };
    windows.whileSettingsOpen = [] { FAIL() << "no settings window expected"; };
    EXPECT_TRUE(startLauncher(launcher.context, windows));
    EXPECT_TRUE(launcher.dialogs.shown.empty());
    EXPECT_EQ(windows.events, std::vector<std::string>{"main"});
    EXPECT_EQ(order, std::vector<std::string>{"theme"});
    EXPECT_EQ(launcher.context.config.userName, "alex");
    EXPECT_FALSE(launcher.context.firstRun);
}

}  // namespace
