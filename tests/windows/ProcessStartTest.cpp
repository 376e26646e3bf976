#include <gtest/gtest.h>

#include <filesystem>

#include "CommandLineCases.h"
#include "ProbeRun.h"
#include "platform/ProcessStarter.h"

using testing_support::probeProgram;
using testing_support::probeReport;
using testing_support::TempFolder;

namespace {

TEST(ProcessStart, TheProgramGetsTheWordsTheLinuxSplitterFinds) {
    platform::SystemProcessStarter starter;
    for (const testing_support::CommandLineCase& c : testing_support::commandLineCases()) {
        TempFolder folder("命令 行");
        ASSERT_TRUE(starter.start("\"" + probeProgram() + "\" " + c.line,
                                  platform::WindowStyle::Hidden, folder.path()));
        std::vector<std::string> report = probeReport(folder.path());
        ASSERT_GE(report.size(), 2u) << c.line;
        EXPECT_EQ(std::vector<std::string>(report.begin() + 2, report.end()), c.words) << c.line;
    }
}

TEST(ProcessStart, WorkingFolderAndWindowStyleArePassed) {
    const std::pair<platform::WindowStyle, std::string> styles[] = {
        {platform::WindowStyle::Hidden, "0"},
        {platform::WindowStyle::Normal, "1"},
        {platform::WindowStyle::Minimized, "2"},
        {platform::WindowStyle::MinimizedNoFocus, "7"},
    };
    platform::SystemProcessStarter starter;
    for (const auto& [style, shown] : styles) {
        TempFolder folder("工作 目录");
        ASSERT_TRUE(starter.start("\"" + probeProgram() + "\"", style, folder.path()));
        std::vector<std::string> report = probeReport(folder.path());
        ASSERT_GE(report.size(), 2u) << shown;
        EXPECT_EQ(report[1], shown);
    }
    EXPECT_EQ(starter.start("", platform::WindowStyle::Hidden, "").reason(), "命令行为空");
    std::string missing =
        starter.start("\"C:\\没有\\program.exe\" -x", platform::WindowStyle::Hidden, "").reason();
    EXPECT_TRUE(missing.starts_with("C:\\没有\\program.exe: ")) << missing;
    EXPECT_TRUE(missing.ends_with("(3)") || missing.ends_with("(2)")) << missing;
}

TEST(ProcessStart, LauncherFolderOfAProgramInAChineseFolderWithABlank) {
    TempFolder folder("启动器 文件夹");
    std::string copy = folder.path() + "\\启动器 副本.exe";
    std::filesystem::copy_file(platform::fromUtf8Path(probeProgram()),
                               platform::fromUtf8Path(copy));
    platform::SystemProcessStarter starter;
    ASSERT_TRUE(starter.start("\"" + copy + "\"", platform::WindowStyle::Hidden, folder.path()));
    std::vector<std::string> report = probeReport(folder.path());
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0], folder.path());
}

}  // namespace
