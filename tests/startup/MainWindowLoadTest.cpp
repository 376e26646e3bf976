#include "startup/MainWindowLoad.h"

#include <gtest/gtest.h>

#include "TestLauncher.h"

using testing_support::TestLauncher;

namespace {

// Records the window's steps and the hooks in one list, each with the number of boxes shown
// so far, so the place of the migration question shows too.
struct RecordingWindow final : MainWindowLoadUi {
    TestLauncher& launcher;
    std::vector<std::string> steps;
    explicit RecordingWindow(TestLauncher& l) : launcher(l) {
        launcher.context.hooks.checkUpdate = [this] { record("update"); };
        launcher.context.hooks.checkNative = [this](const std::string& folder) {
            record("native " + folder);
        };
    }
    void record(const std::string& step) {
        steps.push_back(std::to_string(launcher.dialogs.shown.size()) + " " + step);
    }
    void showTitle(const std::string& title) override { record("title " + title); }
    void ShowFolderList(const std::string& folderspec) override {
        record("versions " + folderspec);
    }
    void showRandomBackground() override { record("background"); }
};

TEST(MainWindowLoad, StepsRunInOrderWithTheMigrationQuestionAfterTheTitle) {
    TestLauncher launcher{"载入 load"};
    launcher.folder.write(".minecraft/bin/minecraft.jar", "jar");
    launcher.context.version = {1, 10, 203};
    launcher.dialogs.messageAnswers = {platform::DialogAnswer::No};
    RecordingWindow window(launcher);
    loadMainWindow(launcher.context, window);
    const std::string root = launcher.folder.path() + "/.minecraft/";
    EXPECT_EQ(
        window.steps,
        (std::vector<std::string>{
            "0 update", "0 title Vendrolupa Pre-Alpha Version 1.10.203 - 启动你的世界",
            "1 versions " + root + "versions/", "1 native " + root + "native/", "1 background"}));
    ASSERT_EQ(launcher.dialogs.shown.size(), 1u);
    EXPECT_EQ(launcher.dialogs.shown[0].icon, platform::MessageIcon::Question);
}

}  // namespace
