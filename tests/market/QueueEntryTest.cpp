#include "market/QueueEntry.h"

#include <gtest/gtest.h>

#include <cctype>

#include "RecordingMarketView.h"
#include "market/AssetInstaller.h"
#include "platform/Sha1.h"

namespace {

using market::QueueEntry;
using platform::PathStyle;

TEST(QueueEntry, ListTextRequestUrlAndTheFileLeftBehind) {
    struct Case {
        QueueEntry entry;
        PathStyle style;
        std::string list;
        std::string request;
        std::string file;
    };
    const std::vector<Case> cases = {
        {{"http:\\\\h\\libraries\\a.jar", "D:\\游戏\\lib\\"},
         PathStyle::windows(),
         "http:\\\\h\\libraries\\a.jar[下载到]D:\\游戏\\lib\\",
         "http://h/libraries/a.jar",
         "D:\\游戏\\lib\\a.jar"},
        {{"http://h/mods\\a b.jar", "/g/mods", std::nullopt, true},
         PathStyle::posix(),
         "http://h/mods\\a b.jar[下载到]/g/mods",
         "http://h/mods\\a b.jar",
         "/g/mods/mods\\a b.jar"},
        {{"http://h/lwjgl.dll", "/g/natives/"},
         PathStyle::posix(),
         "http://h/lwjgl.dll[下载到]/g/natives/",
         "http://h/lwjgl.dll",
         "/g/natives/lwjgl.dll"},
        {{"http://h/a[下载到]b", "/x[下载到]/y"},
         PathStyle::posix(),
         "http://h/a[下载到]b[下载到]/x[下载到]/y",
         "http://h/a[下载到]b",
         "/x[下载到]/y/a[下载到]b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        EXPECT_EQ(c.entry.listText(), c.list);
        EXPECT_EQ(market::requestUrl(c.entry), c.request);
        EXPECT_EQ(market::downloadedPath(c.entry, c.style), c.file);
    }
}

struct EntryHashFixture : ::testing::Test, MarketOnDisk {
    EntryHashFixture() : MarketOnDisk("校验 entries") {}
};

// A source that knows a file's SHA-1 has it checked wherever the file lands, and only then.
TEST_F(EntryHashFixture, TheEntrysOwnSha1DecidesWhetherTheFileStays) {
    const std::string libs = pipeline.folders().libraries() + "/org/x";
    struct Case {
        std::string name;     // file name in the URL
        std::string content;  // what arrived
        std::optional<std::string> sha1;
        bool kept;
    };
    const std::vector<Case> cases = {
        {"good.jar", "good", platform::sha1Hex("good"), true},
        {"bad.jar", "damaged", platform::sha1Hex("good"), false},
        // A library named like an object is not an object: nothing to check without a SHA-1.
        {platform::sha1Hex("x"), "anything", std::nullopt, true},
        // The source's SHA-1 counts, not the file name that looks like one.
        {platform::sha1Hex("named"), "named", platform::sha1Hex("other"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.shown.clear();
        const std::string path =
            launcher.write(libs.substr(launcher.path().size() + 1) + "/" + c.name, c.content);
        pipeline.append({"http://h/" + c.name, libs, c.sha1});
        pipeline.StartHeadTask();
        pipeline.onDone();
        EXPECT_EQ(testing_support::exists(path), c.kept);
        EXPECT_EQ(dialogs.shown.size(), c.kept ? 0u : 1u);
        if (!c.kept) {
            EXPECT_NE(dialogs.shown[0].text.find("原因：文件内容与其 SHA-1 不符"),
                      std::string::npos)
                << dialogs.shown[0].text;
        }
        EXPECT_TRUE(pipeline.empty());
    }
}

TEST_F(EntryHashFixture, AnObjectWrittenInCapitalsIsCheckedAgainstItsContent) {
    const std::string content = "object whose index writes its hash in capitals";
    std::string upper = platform::sha1Hex(content);
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    ServiceHosts hosts;
    hosts.mirror = "http://m";
    market::PlannedTask task = market::objectTask(upper, pipeline.folders(), hosts);
    launcher.write(".minecraft/assets/objects/" + upper.substr(0, 2) + "/" + upper, content);
    pipeline.append(task.entry);
    pipeline.StartHeadTask();
    pipeline.onDone();
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.messageTexts().front();
    EXPECT_TRUE(testing_support::exists(market::objectPath(upper, pipeline.folders())));
}

}  // namespace
