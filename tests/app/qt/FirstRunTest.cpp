#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "TestLauncher.h"
#include "WhenShown.h"
#include "app/LauncherWindows.h"
#include "launch/qt/frmmain.h"
#include "market/NativeInstaller.h"
#include "startup/Startup.h"

using platform::DialogAnswer;
using testing_support::TestLauncher;

namespace {

QWidget* visibleSettingsWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmsetting" && window->isVisible()) return window;
    }
    return nullptr;
}

// Runs `step` on the settings window once the modal loop shows it.
void whenSettingsShown(std::function<void(QWidget*)> step) {
    testing_support::whenShown(visibleSettingsWindow, std::move(step), 200);
}

struct FirstRunTest : ::testing::Test {
    TestLauncher launcher{"首次 first run"};
    std::string java;
    FirstRunTest() {
        java = launcher.folder.write("jdk/bin/java", "#!/bin/sh\n");
        chmod(java.c_str(), 0755);
        launcher.folder.makeFolder(".minecraft/versions/1.7.10");
        // Start-up checks the native libraries and loads the catalogue: nothing to download,
        // and a mirror that refuses at once.
        for (const std::string& name : market::NativeLibraryNames(platform::PathStyle::posix()))
            launcher.folder.write(".minecraft/native/" + name, "native");
        launcher.context.services.mirror = "http://127.0.0.1:1";
    }
};

TEST_F(FirstRunTest, WelcomeThenSettingsThenTheMainWindowWithTheSavedSettings) {
    LauncherWindows windows(launcher.context);
    whenSettingsShown([this, &windows](QWidget* settings) {
        EXPECT_FALSE(windows.hasMainWindow());
        settings->findChild<QLineEdit*>("txtUserName")->setText("steve");
        settings->findChild<QLineEdit*>("txtMemory")->setText("2048");
        settings->findChild<QLineEdit*>("txtjavahome")->setText(QString::fromStdString(java));
        settings->findChild<QPushButton*>("btnApply")->click();
    });
    ASSERT_TRUE(startLauncher(launcher.context, windows));
    EXPECT_EQ(
        launcher.dialogs.messageTexts(),
        (std::vector<std::string>{
            "欢迎使用 Vendrolupa！在启动 Minecraft 之前，我们先进行一些配置。", "设置保存成功!"}));
    EXPECT_EQ(launcher.dialogs.shown[0].title, "Vendrolupa");
    EXPECT_TRUE(launcher.context.setupDone);
    EXPECT_FALSE(launcher.ended);
    ASSERT_TRUE(windows.hasMainWindow());
    frmmain& main = windows.mainWindow();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.findChild<QComboBox*>("bootitem")->currentText(), "1.7.10");
    EXPECT_EQ(main.themeColour(), QColor("#525252"));
    EXPECT_EQ(launcher.context.config.memoryMb, "2048");
}

TEST_F(FirstRunTest, YesKeepsTheSettingsWindowAndNoEndsTheLauncher) {
    LauncherWindows windows(launcher.context);
    launcher.dialogs.messageAnswers = {DialogAnswer::Ok, DialogAnswer::Yes, DialogAnswer::No};
    bool stayedOpen = false;
    whenSettingsShown([&stayedOpen](QWidget* settings) {
        settings->close();
        stayedOpen = settings->isVisible();
        settings->close();
    });
    EXPECT_FALSE(startLauncher(launcher.context, windows));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(launcher.ended);
    EXPECT_FALSE(launcher.context.setupDone);
    EXPECT_FALSE(windows.hasMainWindow());
    EXPECT_FALSE(testing_support::exists(launcher.folder.path() + "/.Vendrolupa_Data/config.ini"));
}

TEST_F(FirstRunTest, WithSettingsTheMainWindowShowsTheStoredTheme) {
    launcher.folder.write(".Vendrolupa_Data/config.ini", "alex\r\n1024\r\njava\r\n\r\nRed\r\n");
    LauncherWindows windows(launcher.context);
    ASSERT_TRUE(startLauncher(launcher.context, windows));
    EXPECT_TRUE(launcher.dialogs.shown.empty());
    EXPECT_TRUE(windows.mainWindow().isVisible());
    EXPECT_EQ(windows.mainWindow().themeColour(), QColor("#800000"));
}

}  // namespace
