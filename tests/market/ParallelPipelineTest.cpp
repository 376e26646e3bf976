#include <gtest/gtest.h>

#include "RecordingMarketView.h"
#include "TaskText.h"
#include "market/InstallPipeline.h"
#include "platform/Sha1.h"

namespace {

using download::DownloadEnd;
using market::InstallPipeline;
using testing_support::entryOf;
using Calls = std::vector<std::string>;

const std::string kStalled = "下载列表已停止";

struct ParallelFixture : ::testing::Test, MarketOnDisk {
    ParallelFixture() : MarketOnDisk("并行 parallel") { pipeline.setParallel(4); }
};

TEST_F(ParallelFixture, EachEndStartsTheNextInItsSlotWithoutAPause) {
    queue({"a", "b", "c", "d", "e", "f"});
    pipeline.StartHeadTask();
    EXPECT_EQ(view.take(), (Calls{"start http://h/a > /d", "start#1 http://h/b > /d",
                                  "start#2 http://h/c > /d", "start#3 http://h/d > /d"}));
    pipeline.onProgress(10, 100, 100, 1);
    pipeline.onProgress(10, 100, 50, 3);
    pipeline.onDone(2);
    pipeline.onDone(0);
    pipeline.onTimerTick();
    EXPECT_EQ(view.take(),
              (Calls{"speed 100KB/S", "speed 150KB/S", "remove 2", "progress 0.166667", "refresh",
                     "start#2 http://h/e > /d", "remove", "progress 0.333333", "refresh",
                     "start http://h/f > /d", "count 4项"}));
    EXPECT_EQ(view.list, (Calls{"http://h/b[下载到]/d", "http://h/d[下载到]/d",
                                "http://h/e[下载到]/d", "http://h/f[下载到]/d"}));
    // The speed is the sum of what runs: an ended task's last speed no longer counts, and a
    // late progress event of a slot that runs nothing is ignored.
    pipeline.onDone(1);
    pipeline.onProgress(90, 100, 999, 1);
    pipeline.onProgress(20, 100, 70, 3);
    for (size_t slot : {0u, 3u, 2u})
        pipeline.onDone(slot);
    EXPECT_EQ(view.take(), (Calls{"remove", "progress 0.500000", "refresh", "speed 70KB/S",
                                  "remove 2", "progress 0.666667", "refresh", "remove",
                                  "progress 0.833333", "refresh", "remove", "progress 0.000000"}));
    EXPECT_TRUE(pipeline.empty());
    EXPECT_TRUE(view.pending.empty());
    EXPECT_TRUE(dialogs.messageTexts().empty());
}

// An error and a damaged object each skip their task after saying why; the rest runs on.
TEST_F(ParallelFixture, AnErrorOrADamagedObjectSkipsOnlyItsOwnTask) {
    const std::string hash = platform::sha1Hex("expected");
    const std::string objects = pipeline.folders().assetObjects() + "/" + hash.substr(0, 2);
    launcher.write(".minecraft/assets/objects/" + hash.substr(0, 2) + "/" + hash, "damaged");
    queue({"a", "b"});
    pipeline.append(
        entryOf("http://h/assets/" + hash.substr(0, 2) + "/" + hash + "[下载到]" + objects));
    queue({"d", "e", "f"});
    pipeline.StartHeadTask();
    view.take();
    pipeline.onError({"http://h/b", "", "服务器回答 404", 404}, 1);
    pipeline.onDone(2);
    EXPECT_EQ(view.take(),
              (Calls{"remove 1", "progress 0.166667", "refresh", "start#1 http://h/e > /d",
                     "remove 1", "progress 0.333333", "refresh", "start#2 http://h/f > /d"}));
    ASSERT_EQ(dialogs.messageTexts().size(), 2u);
    EXPECT_EQ(dialogs.messageTexts()[0], "下载错误\r\n文件：http://h/b\r\n原因：服务器回答 404");
    EXPECT_NE(dialogs.messageTexts()[1].find("SHA-1"), std::string::npos)
        << dialogs.messageTexts()[1];
    EXPECT_FALSE(testing_support::exists(objects + "/" + hash));
    EXPECT_EQ(view.list, (Calls{"http://h/a[下载到]/d", "http://h/d[下载到]/d",
                                "http://h/e[下载到]/d", "http://h/f[下载到]/d"}));
}

// While an error's box waits for the player the other downloads end; the task that leaves
// afterwards is the one that failed, wherever it stands by then.
TEST_F(ParallelFixture, EndsDuringAnErrorBoxMoveTheQueueUnderIt) {
    queue({"a", "b", "c", "d", "e"});
    pipeline.StartHeadTask();
    view.take();
    dialogs.whileShown = [&] {
        pipeline.onDone(0);
        pipeline.onDone(1);
    };
    pipeline.onError({"http://h/c", "", "服务器回答 500", 500}, 2);
    EXPECT_EQ(view.take(),
              (Calls{"remove", "progress 0.200000", "refresh", "start http://h/e > /d", "remove",
                     "progress 0.400000", "refresh", "remove", "progress 0.600000", "refresh"}));
    EXPECT_EQ(view.list, (Calls{"http://h/d[下载到]/d", "http://h/e[下载到]/d"}));
    pipeline.onDone(3);
    pipeline.onDone(0);
    EXPECT_TRUE(pipeline.empty());
}

TEST_F(ParallelFixture, AFailureStallsTheQueueWhileTheRunningOnesFinish) {
    queue({"a", "b", "c", "d", "e", "f"});
    pipeline.StartHeadTask();
    view.take();
    pipeline.onFailed({"http://h/b", "", "连接中断", 0}, 1);
    ASSERT_EQ(dialogs.messageTexts().size(), 1u);
    EXPECT_EQ(dialogs.messageTexts()[0].rfind("下载失败\r\n文件：http://h/b\r\n原因：连接中断", 0),
              0u);
    EXPECT_NE(dialogs.messageTexts()[0].find(kStalled), std::string::npos);
    for (size_t slot : {0u, 2u, 3u})
        pipeline.onDone(slot);
    // Neither a late event of the failed slot nor an installer's start moves the queue.
    pipeline.onDone(1);
    pipeline.onError({}, 1);
    pipeline.StartHeadTask();
    EXPECT_EQ(view.take(),
              (Calls{"remove", "progress 0.166667", "refresh", "remove 1", "progress 0.333333",
                     "refresh", "remove 1", "progress 0.500000", "refresh"}));
    EXPECT_EQ(view.list,
              (Calls{"http://h/b[下载到]/d", "http://h/e[下载到]/d", "http://h/f[下载到]/d"}));
    EXPECT_EQ(dialogs.messageTexts().size(), 1u);
}

TEST_F(ParallelFixture, AfterStopNothingStartsAndLateEventsAreIgnored) {
    queue({"a", "b", "c", "d", "e", "f", "g", "h"});
    pipeline.StartHeadTask();
    view.take();
    pipeline.onDone(0);
    pipeline.stop();
    pipeline.onDone(1);
    pipeline.onError({"http://h/c", "", "x", 0}, 2);
    pipeline.onFailed({"http://h/d", "", "x", 0}, 3);
    pipeline.onProgress(1, 2, 3, 1);
    pipeline.StartHeadTask();
    EXPECT_EQ(view.take(),
              (Calls{"remove", "progress 0.125000", "refresh", "start http://h/e > /d"}));
    EXPECT_TRUE(dialogs.messageTexts().empty());
    EXPECT_EQ(pipeline.size(), 7u);
}

TEST_F(ParallelFixture, TheLastEndOfEachModeDoesWhatTheModeNeedsAndAnUpdateRunsAlone) {
    struct Case {
        std::string_view title;
        Calls started;
        Calls last;
    };
    const std::vector<Case> cases = {
        {market::kMarketTitle,
         {"start http://h/x > /d", "start#1 http://h/y > /d"},
         {"remove", "progress 0.000000"}},
        {market::kLibrariesTitle,
         {"start http://h/x > /d", "start#1 http://h/y > /d"},
         {"remove", "progress 0.000000", "close"}},
        {market::kNativeTitle,
         {"start http://h/x > /d", "start#1 http://h/y > /d"},
         {"remove", "progress 0.000000", "close"}},
        {market::kSelfUpdateTitle,
         {"start http://h/x > /d"},
         {"remove", "progress 0.000000", "finish http://h/y[下载到]/d"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        view.windowTitle = c.title;
        queue({"x", "y"});
        pipeline.StartHeadTask();
        EXPECT_EQ(view.take(), c.started);
        pipeline.onDone(0);
        view.take();
        view.runPending();
        if (c.title != market::kSelfUpdateTitle) {
            pipeline.onDone(1);
        } else {
            view.take();
            pipeline.onDone(0);
        }
        EXPECT_EQ(view.take(), c.last);
        EXPECT_TRUE(pipeline.empty());
    }
}

TEST_F(ParallelFixture, ANewChoiceWaitsUntilTheQueueHasEmptied) {
    pipeline.setParallel(1);
    queue({"a", "b"});
    pipeline.setParallel(8);
    pipeline.StartHeadTask();
    pipeline.onDone();
    view.runPending();
    EXPECT_EQ(view.take(), (Calls{"start http://h/a > /d", "remove", "progress 0.000000", "refresh",
                                  "pause 100", "start http://h/b > /d"}));
    pipeline.onDone();
    queue({"c"});
    EXPECT_TRUE(pipeline.startsAfterAppend(false));
    pipeline.StartHeadTask();
    queue({"d"});
    pipeline.StartHeadTask();
    EXPECT_EQ(view.take(), (Calls{"remove", "progress 0.000000", "start http://h/c > /d",
                                  "start#1 http://h/d > /d"}));
}

}  // namespace
