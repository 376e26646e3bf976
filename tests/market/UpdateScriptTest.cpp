#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#endif

#include <chrono>
#include <filesystem>
#include <thread>

#include "TempFolder.h"
#include "market/UpdateScript.h"
#include "platform/ProcessStarter.h"
#include "platform/ScriptFile.h"

using platform::PathStyle;
using testing_support::exists;
using testing_support::readAll;
using testing_support::TempFolder;

#ifndef _WIN32  // the real run needs /bin/sh and /proc
namespace {

// Processes whose executable is `path`, found the way the script finds them.
std::vector<pid_t> processesRunning(const std::string& path) {
    std::vector<pid_t> pids;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code ec;
        if (std::filesystem::read_symlink(entry.path() / "exe", ec).string() == path)
            pids.push_back(std::stoi(name));
    }
    return pids;
}

// Waits up to five seconds for `done`.
bool eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 100 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return done();
}

}  // namespace
#endif

TEST(UpdateScript, BatchFileHasExactlyItsSevenCommandsEachButTheLastFollowedByAnEmptyLine) {
    TempFolder folder;
    const std::string path = folder.file("upd.bat");
    ASSERT_TRUE(platform::writeScript(path, market::updateBatchLines("Launcher", "new.exe"),
                                      PathStyle::windows()));
    EXPECT_EQ(readAll(path),
              "taskkill /f /im Launcher.exe\r\n\r\n"
              "taskkill /f /im Launcher.exe\r\n\r\n"
              "taskkill /f /im Launcher.exe\r\n\r\n"
              "del Launcher.exe\r\n\r\n"
              "ren new.exe Launcher.exe\r\n\r\n"
              "start Launcher.exe\r\n\r\n"
              "del %0\r\n");
    EXPECT_EQ(market::updateScriptName(PathStyle::windows()), "upd.bat");
    EXPECT_EQ(market::updateScriptName(PathStyle::posix()), "upd.sh");
}

TEST(UpdateScript, ShellScriptQuotesEveryPath) {
    auto lines = market::updateShellLines("/h/o'neil/启动器/vendrolupa",
                                          "/h/o'neil/启动器/new $(x)", "/h/o'neil/启动器");
    EXPECT_EQ(lines.at(1), "exe='/h/o'\\''neil/启动器/vendrolupa'");
    EXPECT_EQ(lines.at(8), "mv -f -- '/h/o'\\''neil/启动器/new $(x)' \"$exe\"");
    EXPECT_EQ(lines.at(10), "cd '/h/o'\\''neil/启动器' && \"$exe\" </dev/null >/dev/null 2>&1 &");
}

#ifndef _WIN32
// The script run for real: the running launcher is ended by its path while a program of the
// same name elsewhere goes on, the new file takes the old one's place and starts, and the
// script is gone.
TEST(UpdateScript, ShellScriptSwapsTheExecutableAndStartsTheNewOne) {
    TempFolder root("upd o'neil");
    const std::string folder = std::filesystem::canonical(root.makeFolder("启动器 a")).string();
    const std::string exe = folder + "/vendrolupa";
    const std::string decoy =
        std::filesystem::canonical(root.makeFolder("other")).string() + "/vendrolupa";
    std::filesystem::copy_file("/bin/sleep", exe);
    std::filesystem::copy_file("/bin/sleep", decoy);
    const std::string downloaded =
        root.write("启动器 a/new-1.bin", "#!/bin/sh\necho started >started.txt\n");
    const std::string script = folder + "/upd.sh";
    ASSERT_TRUE(platform::writeScript(script, market::updateShellLines(exe, downloaded, folder),
                                      PathStyle::posix()));

    platform::SystemProcessStarter starter;
    for (const std::string& program : {exe, decoy})
        ASSERT_TRUE(starter.start("\"" + program + "\" 30", platform::WindowStyle::Hidden, ""));
    ASSERT_TRUE(eventually([&] { return processesRunning(decoy).size() == 1; }));
    ASSERT_TRUE(eventually([&] { return processesRunning(exe).size() == 1; }));

    ASSERT_TRUE(starter.start(platform::scriptCommandLine(script, PathStyle::posix()),
                              platform::WindowStyle::Hidden, folder));
    EXPECT_TRUE(eventually([&] { return exists(folder + "/started.txt") && !exists(script); }));
    EXPECT_TRUE(processesRunning(exe).empty());
    EXPECT_FALSE(exists(downloaded));
    EXPECT_EQ(readAll(exe), "#!/bin/sh\necho started >started.txt\n");
    struct stat status {};
    ASSERT_EQ(stat(exe.c_str(), &status), 0);
    EXPECT_TRUE(status.st_mode & S_IXUSR);
    std::vector<pid_t> decoys = processesRunning(decoy);
    EXPECT_EQ(decoys.size(), 1u);
    for (pid_t pid : decoys)
        kill(pid, SIGKILL);
}
#endif
