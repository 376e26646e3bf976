#include <gtest/gtest.h>

#include "ScriptedDialogs.h"
#include "TestSeams.h"
#include "account/ShowFileDialog.h"

using testing_support::ManualClock;
using testing_support::ScriptedDialogs;

namespace {

// Scripted dialogs whose file dialogs take `durations` milliseconds (in turn) to answer.
struct TimedDialogs : platform::Dialogs {
    ManualClock& clock;
    ScriptedDialogs script;
    std::deque<int> durations;
    explicit TimedDialogs(ManualClock& c) : clock(c) {}
    platform::DialogAnswer messageBox(const std::string& text, const std::string& title,
                                      platform::MessageIcon icon,
                                      platform::MessageButtons buttons) override {
        return script.messageBox(text, title, icon, buttons);
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override {
        return script.inputBox(prompt, title, defaultText);
    }
    std::string fileDialog(const platform::FileDialogRequest& request) override {
        if (!durations.empty()) {
            clock.tick += durations.front();
            durations.pop_front();
        }
        return script.fileDialog(request);
    }
};

platform::FileDialogRequest request(std::string initial) {
    return {
        false, "选择 Java 的路径", "javaw.exe|javaw.exe|java.exe|java.exe", std::move(initial), "",
        ""};
}

TEST(ShowFileDialogTest, TooLongInitialNameIsRefusedWithoutDialog) {
    ManualClock clock;
    TimedDialogs dialogs(clock);
    EXPECT_EQ(ShowFileDialog(dialogs, clock, request(std::string(261, 'a'))), "");
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, "Filename Length Overflow");
    EXPECT_EQ(dialogs.script.shown[0].title, "Vendrolupa - FileDialog Function");
    EXPECT_EQ(dialogs.script.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(dialogs.script.fileRequests.empty());
}

TEST(ShowFileDialogTest, LengthCountsCharactersNotBytes) {
    ManualClock clock;
    TimedDialogs dialogs(clock);
    dialogs.durations = {500};
    std::string chinese;
    for (int i = 0; i < 260; ++i)
        chinese += "中";
    dialogs.script.fileAnswers = {"/usr/bin/java"};
    EXPECT_EQ(ShowFileDialog(dialogs, clock, request(chinese)), "/usr/bin/java");
    ASSERT_EQ(dialogs.script.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.script.fileRequests[0].initialFileName, chinese);
}

TEST(ShowFileDialogTest, ADialogBackWithin20msIsShownOnceMoreWithoutInitialName) {
    const std::pair<int, size_t> cases[] = {{0, 2}, {19, 2}, {20, 1}, {3000, 1}};
    for (const auto& [duration, shownTimes] : cases) {
        ManualClock clock;
        TimedDialogs dialogs(clock);
        dialogs.durations = {duration, 5};
        dialogs.script.fileAnswers = {"first", "second"};
        std::string result = ShowFileDialog(dialogs, clock, request("java.exe"));
        ASSERT_EQ(dialogs.script.fileRequests.size(), shownTimes) << duration;
        EXPECT_EQ(result, shownTimes == 2 ? "second" : "first");
        EXPECT_EQ(dialogs.script.fileRequests.back().initialFileName,
                  shownTimes == 2 ? "" : "java.exe");
        EXPECT_EQ(dialogs.script.fileRequests.back().title, "选择 Java 的路径");
    }
}

}  // namespace
