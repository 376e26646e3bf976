#include <gtest/gtest.h>
#include <sys/types.h>

#include <QTest>
#include <csignal>
#include <filesystem>

#include "GameJar.h"
#include "LoopbackHttpServer.h"
#include "ScopedEnv.h"
#include "TempFolder.h"
#include "market/NativeInstaller.h"
#include "platform/Paths.h"
#include "platform/Sha256.h"
#include "platform/TextFile.h"

// The self-update of the real executable: a copy of the launcher built as this version asks a
// loopback update server, which offers a second build of it with the next version. Nobody
// watches (VENDROLUPA_ANSWER_YES answers Yes), and every launcher that reaches its main window
// ends after its first paint (VENDROLUPA_REPORT_SHOWN), so each run ends by itself.

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

constexpr auto kLimit = std::chrono::minutes(2);
const std::string kNextFile = std::string("vendrolupa-") + VENDROLUPA_NEXT_VERSION;

// The processes whose executable is the file `path`.
std::vector<pid_t> processesOf(const std::string& path) {
    std::vector<pid_t> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code unreadable;
        if (fs::read_symlink(entry.path() / "exe", unreadable) == fs::path(path))
            found.push_back(static_cast<pid_t>(std::stol(name)));
    }
    return found;
}

std::string startLine(const std::string& version) {
    return "启动器启动：版本 " + version + "，";
}

struct SelfUpdateEndToEnd : ::testing::Test {
    TempFolder folder{"自动 更新"};
    const std::string launcher = folder.path() + "/vendrolupa";
    const std::string next = readAll(VENDROLUPA_NEXT_LAUNCHER);
    std::string page;
    LoopbackHttpServer server{[this](const std::string& request) {
        const std::string path = LoopbackHttpServer::pathOf(request);
        ScriptedResponse r;
        r.batches = {path == "/"               ? LoopbackHttpServer::response(200, page)
                     : path == "/" + kNextFile ? LoopbackHttpServer::response(200, next)
                                               : LoopbackHttpServer::response(404, "")};
        return r;
    }};
    ScopedEnv offscreen{"QT_QPA_PLATFORM", "offscreen"};
    ScopedEnv unattended{"VENDROLUPA_ANSWER_YES", "1"};
    ScopedEnv reportShown{"VENDROLUPA_REPORT_SHOWN", "1"};

    void SetUp() override {
        fs::copy_file(VENDROLUPA_LAUNCHER, launcher);
        const std::string data = folder.makeFolder(".Vendrolupa_Data");
        ASSERT_TRUE(platform::writeTextLines(data + "/config.ini",
                                             {"Steve", "256", findOnPath("java"), "", "Blue"}));
        const std::string base = server.baseUrl();
        ASSERT_TRUE(platform::writeTextLines(data + "/services.ini",
                                             {"source=mirror", "mirror=" + base, "official=" + base,
                                              "files=" + base, "update=" + base}));
        // Nothing to fetch at start-up but the update.
        for (const std::string& name : market::NativeLibraryNames(platform::PathStyle::posix()))
            folder.write(".minecraft/native/" + name, "native");
    }
    void TearDown() override {
        for (pid_t pid : processesOf(launcher))
            ::kill(pid, SIGKILL);
    }
    void offer(const std::string& sha256) {
        page = "<p>【" + std::string(VENDROLUPA_NEXT_VERSION) + "|" + server.baseUrl() + "/" +
               kNextFile + "|新版本[vbcrlf]测试|" + sha256 + "】</p>";
    }
    std::string log() const { return readAll(folder.path() + "/.Vendrolupa_Data/launcher.log"); }
};

TEST_F(SelfUpdateEndToEnd, AcceptedUpdateReplacesTheExecutableAndStartsTheNewVersion) {
    ASSERT_FALSE(next.empty());
    offer(platform::sha256Hex(next));
    ProgramResult old = runProgram({launcher}, folder.path(), kLimit);
    // The old launcher ended right after starting the script, before any main window.
    EXPECT_EQ(old.exitCode, 0) << old.output;
    EXPECT_EQ(old.output.find("shown "), std::string::npos) << old.output;

    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return log().find(startLine(VENDROLUPA_NEXT_VERSION)) != std::string::npos; },
        std::chrono::milliseconds(kLimit).count()))
        << log();
    EXPECT_TRUE(QTest::qWaitFor([&] { return processesOf(launcher).empty(); },
                                std::chrono::milliseconds(kLimit).count()));
    EXPECT_EQ(platform::sha256HexOfFile(launcher).value_or(""), platform::sha256Hex(next));
    EXPECT_NE(fs::status(launcher).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_FALSE(exists(folder.path() + "/upd.sh"));
    EXPECT_FALSE(exists(folder.path() + "/" + kNextFile));
    const std::string text = log();
    EXPECT_LT(text.find(startLine(VENDROLUPA_LAUNCHER_VERSION)),
              text.find(startLine(VENDROLUPA_NEXT_VERSION)));
    EXPECT_NE(text.find("新版本\r\n测试"), std::string::npos) << text;
}

TEST_F(SelfUpdateEndToEnd, WrongSha256KeepsTheOldLauncherWhichGoesOn) {
    const std::string original = platform::sha256HexOfFile(launcher).value_or("");
    offer(std::string(64, '0'));
    ProgramResult old = runProgram({launcher}, folder.path(), kLimit);
    // It went on to its main window.
    EXPECT_EQ(old.exitCode, 0) << old.output;
    EXPECT_NE(old.output.find("shown "), std::string::npos) << old.output;
    EXPECT_EQ(platform::sha256HexOfFile(launcher).value_or(""), original);
    EXPECT_FALSE(exists(folder.path() + "/upd.sh"));
    EXPECT_FALSE(exists(folder.path() + "/" + kNextFile));
    const std::string text = log();
    EXPECT_NE(text.find("校验失败"), std::string::npos) << text;
    EXPECT_EQ(text.find(startLine(VENDROLUPA_NEXT_VERSION)), std::string::npos) << text;
}

}  // namespace
