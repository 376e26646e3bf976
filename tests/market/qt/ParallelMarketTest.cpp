#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <thread>

#include "LoopbackHttpServer.h"
#include "NginxServer.h"
#include "ScriptedDialogs.h"
#include "TaskText.h"
#include "TempFolder.h"
#include "TestSeams.h"
#include "controls/qt/PProgressBar.h"
#include "download/qt/XGTDL.h"
#include "launch/MakeArgs.h"
#include "launch/VersionText.h"
#include "market/ParallelDownloads.h"
#include "market/qt/frmmarket.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/Sha1.h"
#include "platform/curl/CurlHttpClient.h"

// The market with several downloads at once, against real servers on loopback.

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

constexpr int kObjects = 1300;
constexpr int kLibraries = 24;

// Bytes of assorted sizes (a few bytes to about 40 KiB) that differ for every `seed`.
std::string bytesOf(int seed) {
    std::string bytes = "file " + std::to_string(seed) + "\n";
    bytes.append(size_t(seed * 7919 % 40000), char('a' + seed % 26));
    return bytes;
}

// Every file below `folder`, by its path relative to it.
std::map<std::string, std::string> filesBelow(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(platform::fromUtf8Path(folder))) {
        if (entry.is_regular_file()) {
            files[platform::toUtf8Path(entry.path().lexically_relative(folder))] =
                readAll(platform::toUtf8Path(entry.path()));
        }
    }
    return files;
}

struct ParallelMarketTest : ::testing::Test {
    TempFolder www{"并行 mirror"};
    TempFolder folder{"并行 launcher"};
    ScriptedDialogs dialogs;
    RecordingProcessStarter processes;
    platform::CurlHttpClient http;
    platform::SystemRandom random;
    platform::SystemClock clock;
    LauncherContext context{folder.path(),
                            Seams{dialogs, processes, http, random, clock, [](int) {}, [] {}},
                            platform::PathStyle::posix()};
    // What the launcher folder must hold afterwards, by relative path.
    std::map<std::string, std::string> expected;

    // The mirror of one version: its jar, its JSON naming kLibraries libraries, the shared
    // asset index naming kObjects objects, each of them stored under its hash.
    void writeMirror() {
        www.write("versions/versions.json",
                  "{\"versions\": [\n  {\"id\": \"1.8.9\", \"type\": \"release\"}\n]}");
        const std::string versions = ".minecraft/versions/1.8.9/";
        expected[versions + "1.8.9.jar"] = bytesOf(99999);
        std::vector<std::string> lines = {"{", "  \"libraries\": ["};
        for (int i = 0; i < kLibraries; ++i) {
            const std::string name = "lib" + std::to_string(i);
            lines.push_back("    {\"name\": \"org.demo:" + name + ":1.0\"},");
            expected[".minecraft/libraries/org/demo/" + name + "/1.0/" + name + "-1.0.jar"] =
                bytesOf(100000 + i);
        }
        lines.insert(lines.end(), {"  ],", "  \"mainClass\": \"demo.Main\"", "}"});
        expected[versions + "1.8.9.json"] = makeVersionText(lines);
        std::string index = "{\n  \"objects\": {\n";
        for (int i = 0; i < kObjects; ++i) {
            const std::string bytes = bytesOf(i);
            const std::string hash = platform::sha1Hex(bytes);
            index += "    \"s/" + std::to_string(i) + ".ogg\": {\n      \"hash\": \"" + hash +
                     "\",\n      \"size\": " + std::to_string(bytes.size()) + "\n    },\n";
            expected[".minecraft/assets/objects/" + hash.substr(0, 2) + "/" + hash] = bytes;
        }
        index += "  }\n}\n";
        expected[".minecraft/assets/indexes/1.8.json"] = index;
        for (const auto& [path, bytes] : expected) {
            std::string served = path.substr(std::string(".minecraft/").size());
            if (served.rfind("versions/", 0) == 0 && served.find(".json") != std::string::npos)
                served = "Minecraft.Download/" + served;
            else if (served.rfind("assets/objects/", 0) == 0)
                served = "assets/" + served.substr(std::string("assets/objects/").size());
            else if (served.rfind("assets/indexes/", 0) == 0)
                served = "indexes/" + served.substr(std::string("assets/indexes/").size());
            www.write(served, bytes);
        }
    }

    std::unique_ptr<frmmarket> open() { return std::make_unique<frmmarket>(context); }
    static void choose(frmmarket& window, size_t downloads) {
        const int index = window.parallelBox->findData(QVariant::fromValue(downloads));
        ASSERT_NE(index, -1);
        window.parallelBox->setCurrentIndex(index);
        emit window.parallelBox->activated(index);
    }
    static bool waitUntilEmpty(frmmarket& window) {
        return QTest::qWaitFor([&] { return window.pipeline().empty(); }, 60000);
    }
};

TEST_F(ParallelMarketTest, EightAtOnceInstallAVersionItsAssetsAndItsLibraries) {
    if (!NginxServer::available()) GTEST_SKIP() << "nginx is not installed";
    writeMirror();
    NginxServer nginx({www.path(), {}, ""});
    ASSERT_TRUE(nginx.running()) << nginx.errorLog();
    context.services.mirror = context.services.official = nginx.baseUrl();
    context.services.source = DownloadSourceKind::Mirror;
    folder.makeFolder(".Vendrolupa_Data");

    auto market = open();
    choose(*market, 8);
    EXPECT_EQ(readAll(context.dataFile(std::string(market::kParallelFileName))), "parallel=8\r\n");
    market->List1->setCurrentRow(0);
    market->PButton1_Click();
    ASSERT_TRUE(waitUntilEmpty(*market));
    market->PButton2_Click();
    EXPECT_EQ(market->pipeline().size(), size_t(kObjects + 1));
    ASSERT_TRUE(waitUntilEmpty(*market)) << market->pipeline().size() << " left";
    EXPECT_EQ(market->PProgressBar1->value(), 0.0f);
    market->close();

    // A new window takes the saved choice; the library check closes it when all have arrived.
    auto check = open();
    EXPECT_EQ(check->parallelBox->currentText(), "8");
    EXPECT_EQ(check->pipeline().parallel(), 8u);
    check->CheckLibraries("1.8.9", readVersionFiles(context.folders(), "1.8.9"));
    EXPECT_TRUE(check->closed());
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;

    std::map<std::string, std::string> got = filesBelow(folder.path() + "/.minecraft");
    std::map<std::string, std::string> want;
    for (const auto& [path, bytes] : expected)
        want[path.substr(std::string(".minecraft/").size())] = bytes;
    EXPECT_EQ(got.size(), want.size());  // nothing else: no temporary file is left
    for (const auto& [path, bytes] : want) {
        auto found = got.find(path);
        ASSERT_NE(found, got.end()) << path;
        EXPECT_TRUE(found->second == bytes) << path;
    }
}

// A server whose every 50th answer breaks off: the first break stalls the queue; the downloads
// already running finish, nothing new starts, and the broken task stays in the list.
TEST_F(ParallelMarketTest, ABreakingServerStallsTheQueueAsOneDownloadAtATimeWould) {
    constexpr int kTasks = 200;
    constexpr size_t kAtOnce = 8;
    std::atomic<int> answered{0};
    LoopbackHttpServer server([&](const std::string& request) {
        const std::string path = LoopbackHttpServer::pathOf(request);
        const std::string body = bytesOf(std::stoi(path.substr(path.rfind('/') + 2)));
        ScriptedResponse response;
        std::string whole = LoopbackHttpServer::response(200, body);
        // The head and one byte of the body, then the connection closes.
        const int number = ++answered;
        if (number % 50 == 0) whole.resize(whole.find("\r\n\r\n") + 5);
        // The answers after the broken one wait, so the broken one is seen first however
        // slow the machine (yet well inside the idle time-out): only the downloads already
        // running may end after it.
        if (number > 50) std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        response.batches = {whole};
        return response;
    });
    const std::string target = folder.makeFolder("downloads");
    auto market = open();
    market->pipeline().setParallel(kAtOnce);
    for (int i = 0; i < kTasks; ++i) {
        market->pipeline().append(
            entryOf(server.baseUrl() + "/f/f" + std::to_string(i) + "[下载到]" + target));
    }
    market->pipeline().StartHeadTask();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.shown.empty(); }, 60000));
    // The running ones end within their time-outs; then nothing moves any more.
    auto downloading = [&] {
        for (size_t slot = 0; slot < kAtOnce; ++slot) {
            if (market->control(slot)->engine().active()) return true;
        }
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !downloading(); }, 60000));
    const size_t left = market->pipeline().size();
    const int requests = answered;
    QTest::qWait(500);
    EXPECT_EQ(answered, requests);
    EXPECT_GE(requests, 50);
    EXPECT_LE(requests, 57);

    ASSERT_EQ(dialogs.shown.size(), 1u) << dialogs.shown.back().text;
    EXPECT_EQ(dialogs.shown[0].text.rfind("下载失败", 0), 0u) << dialogs.shown[0].text;
    EXPECT_NE(dialogs.shown[0].text.find("下载列表已停止"), std::string::npos);
    std::map<std::string, std::string> got = filesBelow(target);
    EXPECT_EQ(got.size(), size_t(requests - 1));  // the broken one left nothing behind
    EXPECT_EQ(left, size_t(kTasks - (requests - 1)));
    EXPECT_EQ(market->List3->count(), int(left));
    for (const auto& [name, bytes] : got)
        EXPECT_TRUE(bytes == bytesOf(std::stoi(name.substr(1)))) << name;
}

}  // namespace
