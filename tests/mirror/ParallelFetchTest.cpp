#include "mirror/ParallelFetch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "LoopbackHttpServer.h"
#include "NginxServer.h"
#include "TempFolder.h"
#include "platform/Sha1.h"

namespace {

using mirror::FetchItem;
using mirror::FetchOptions;
using mirror::FetchReport;
using testing_support::LoopbackHttpServer;
using testing_support::NginxServer;
using testing_support::ScriptedResponse;
using testing_support::TempFolder;

FetchOptions quickOptions() {
    FetchOptions options;
    options.jobs = 4;
    options.backoff = std::chrono::milliseconds(1);
    options.connectTimeout = std::chrono::seconds(5);
    options.stallTimeout = std::chrono::seconds(5);
    return options;
}

// Files served by nginx and the items that fetch them into `out`.
class ServedFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!NginxServer::available()) GTEST_SKIP() << "nginx is not installed";
        for (int i = 0; i < 40; ++i) {
            std::string name = "objects/" + std::to_string(i % 7) + "/file" + std::to_string(i);
            std::string bytes(100 + i * 37, static_cast<char>('a' + i % 26));
            served_.write(name, bytes);
            items_.push_back({"", out_.path() + "/" + name, platform::sha1Hex(bytes),
                              static_cast<uint64_t>(bytes.size())});
            names_.push_back(name);
        }
        nginx_ = std::make_unique<NginxServer>(NginxServer::Options{served_.path(), {}, ""});
        ASSERT_TRUE(nginx_->running()) << nginx_->errorLog();
        for (size_t i = 0; i < items_.size(); ++i)
            items_[i].url = nginx_->baseUrl() + "/" + names_[i];
    }

    TempFolder served_{"served"};
    TempFolder out_{"mirror 镜像"};
    std::unique_ptr<NginxServer> nginx_;
    std::vector<FetchItem> items_;
    std::vector<std::string> names_;
};

TEST_F(ServedFiles, FetchesEveryFileThenOnlyWhatIsMissingOrDamaged) {
    FetchReport first = mirror::fetchAll(items_, quickOptions());
    EXPECT_EQ(first.fetched, items_.size());
    EXPECT_TRUE(first.failures.empty());
    for (size_t i = 0; i < items_.size(); ++i)
        ASSERT_EQ(testing_support::readAll(items_[i].path),
                  testing_support::readAll(served_.path() + "/" + names_[i]));

    FetchReport again = mirror::fetchAll(items_, quickOptions());
    EXPECT_EQ(again.fetched, 0u);
    EXPECT_EQ(again.present, items_.size());

    // One file cut short, one with its bytes changed, one removed.
    std::filesystem::resize_file(items_[3].path, 10);
    std::string same(std::filesystem::file_size(items_[5].path), 'z');
    out_.write(names_[5], same);
    std::filesystem::remove(items_[9].path);
    FetchReport repair = mirror::fetchAll(items_, quickOptions());
    EXPECT_EQ(repair.fetched, 3u);
    EXPECT_EQ(repair.present, items_.size() - 3);
    for (size_t i : {3, 5, 9})
        EXPECT_TRUE(mirror::isInPlace(items_[i])) << i;
}

TEST_F(ServedFiles, ReportsEveryFileThatCannotBeInPlaceAndLeavesNothingUnderItsName) {
    struct Case {
        std::string what;
        FetchItem item;
        std::string reason;
    };
    FetchItem good = items_[0];
    std::vector<Case> cases = {
        {"wrong SHA-1",
         {good.url, out_.path() + "/bad/sha1", std::string(40, '0'), {}},
         "SHA-1 不符"},
        {"wrong size", {good.url, out_.path() + "/bad/size", {}, *good.size + 1}, "大小不符"},
        {"missing on the server",
         {nginx_->baseUrl() + "/nothing/here", out_.path() + "/bad/404", {}, {}},
         "404"},
        {"refused connection",
         {testing_support::unusedLoopbackUrl() + "/x", out_.path() + "/bad/refused", {}, {}},
         "127.0.0.1"},
    };
    std::vector<FetchItem> items;
    for (const Case& c : cases)
        items.push_back(c.item);
    FetchReport report = mirror::fetchAll(items, quickOptions());
    ASSERT_EQ(report.failures.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(report.failures[i].url, cases[i].item.url);
        EXPECT_NE(report.failures[i].reason.find(cases[i].reason), std::string::npos)
            << report.failures[i].reason;
        EXPECT_FALSE(testing_support::exists(cases[i].item.path));
        EXPECT_FALSE(testing_support::exists(cases[i].item.path + ".part"));
    }
}

TEST_F(ServedFiles, FetchesADestinationNamedTwiceOnce) {
    std::vector<FetchItem> items = {items_[0], items_[0], items_[1]};
    FetchReport report = mirror::fetchAll(items, quickOptions());
    EXPECT_EQ(report.fetched, 2u);
}

TEST(ParallelFetch, TriesAFailedFileAgainUntilItsAttemptsAreSpent) {
    const std::string body = "second time lucky";
    std::atomic<int> requests{0};
    int failuresFirst = 0;
    LoopbackHttpServer server([&](const std::string&) {
        ScriptedResponse response;
        if (requests++ < failuresFirst)
            response.batches = {LoopbackHttpServer::response(503, "busy")};
        else
            response.batches = {LoopbackHttpServer::response(200, body)};
        return response;
    });
    TempFolder out;
    FetchItem item{server.baseUrl() + "/f", out.path() + "/f", platform::sha1Hex(body), {}};
    struct Case {
        int failuresFirst;
        int attempts;
        bool fetched;
        int requests;
    };
    for (const Case& c : std::vector<Case>{{2, 3, true, 3}, {3, 3, false, 3}, {1, 1, false, 1}}) {
        SCOPED_TRACE(std::to_string(c.failuresFirst) + " of " + std::to_string(c.attempts));
        std::filesystem::remove(item.path);
        requests = 0;
        failuresFirst = c.failuresFirst;
        FetchOptions options = quickOptions();
        options.attempts = c.attempts;
        FetchReport report = mirror::fetchAll({item}, options);
        EXPECT_EQ(report.fetched, c.fetched ? 1u : 0u);
        EXPECT_EQ(report.failures.size(), c.fetched ? 0u : 1u);
        EXPECT_EQ(requests, c.requests);
        if (!c.fetched) {
            EXPECT_NE(report.failures[0].reason.find("503"), std::string::npos);
        }
    }
}

TEST(ParallelFetch, TellsProgressUpToEveryFileAndByte) {
    LoopbackHttpServer server(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(200, "12345")));
    TempFolder out;
    std::vector<FetchItem> items;
    for (int i = 0; i < 5; ++i)
        items.push_back({server.baseUrl() + "/" + std::to_string(i),
                         out.path() + "/" + std::to_string(i), platform::sha1Hex("12345"), 5});
    mirror::FetchProgress last;
    FetchOptions options = quickOptions();
    options.progress = [&](const mirror::FetchProgress& progress) { last = progress; };
    FetchReport report = mirror::fetchAll(items, options);
    EXPECT_EQ(report.fetched, 5u);
    EXPECT_EQ(last.filesDone, 5u);
    EXPECT_EQ(last.filesTotal, 5u);
    EXPECT_EQ(last.bytesDone, 25u);
    EXPECT_EQ(last.bytesTotal, 25u);
}

}  // namespace
