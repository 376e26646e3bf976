#include "market/InstallPipeline.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingMarketView.h"
#include "ScriptedDialogs.h"
#include "TaskText.h"
#include "TempFolder.h"
#include "platform/Sha1.h"

namespace {

using download::DownloadEnd;
using market::InstallPipeline;
using testing_support::entryOf;
using Calls = std::vector<std::string>;

struct PipelineFixture : ::testing::Test, MarketOnDisk {
    PipelineFixture() : MarketOnDisk("管道 pipeline") {}

    const GameFolders& folders = pipeline.folders();
};

TEST_F(PipelineFixture, ThreeTasksRunOneAfterAnotherWithAPauseBetween) {
    queue({"a", "b", "c"});
    pipeline.StartHeadTask();
    pipeline.onDone();
    pipeline.onTimerTick();
    EXPECT_EQ(view.take(), (Calls{"start http://h/a > /d", "remove", "progress 0.000000", "refresh",
                                  "pause 100", "count 2项"}));
    view.runPending();
    pipeline.onDone();
    view.runPending();
    EXPECT_EQ(view.take(), (Calls{"start http://h/b > /d", "remove", "progress 0.000000", "refresh",
                                  "pause 100", "start http://h/c > /d"}));
    pipeline.onDone();
    pipeline.onTimerTick();
    EXPECT_EQ(view.take(), (Calls{"remove", "progress 0.000000", "count 0项"}));
    EXPECT_TRUE(pipeline.empty());
    EXPECT_TRUE(view.list.empty());
    EXPECT_TRUE(view.pending.empty());
}

TEST_F(PipelineFixture, TasksAddedDuringThePauseWaitTheirTurn) {
    queue({"a", "b"});
    pipeline.StartHeadTask();
    pipeline.onDone();
    queue({"c"});
    view.take();
    view.runPending();
    EXPECT_EQ(view.take(), (Calls{"start http://h/b > /d"}));
    EXPECT_EQ(pipeline.size(), 2u);
}

TEST_F(PipelineFixture, AnErrorOnTheHeadSaysWhatAndWhyThenSkipsToTheNext) {
    queue({"a.jar", "b.jar"});
    pipeline.StartHeadTask();
    view.take();
    pipeline.onError({"http://h/a.jar", "a.jar", "服务器回答 404", 404});
    view.runPending();
    EXPECT_EQ(dialogs.messageTexts(), (Calls{"下载错误\r\n文件：a.jar\r\n原因：服务器回答 404"}));
    EXPECT_EQ(dialogs.shown[0].title, "Vendrolupa");
    EXPECT_EQ(view.take(), (Calls{"remove", "progress 0.000000", "refresh", "pause 100",
                                  "start http://h/b.jar > /d"}));
}

TEST_F(PipelineFixture, AFailureStallsTheQueue) {
    queue({"a.jar", "b.jar"});
    pipeline.StartHeadTask();
    view.take();
    pipeline.onFailed({"http://h/a.jar", "", "连接中断", 0});
    EXPECT_EQ(dialogs.messageTexts(),
              (Calls{"下载失败\r\n文件：http://h/a.jar\r\n原因：连接中断"}));
    EXPECT_TRUE(view.take().empty());
    EXPECT_TRUE(view.pending.empty());
    EXPECT_EQ(pipeline.size(), 2u);
}

TEST_F(PipelineFixture, TheLastEndOfEachModeDoesWhatTheModeNeeds) {
    struct Case {
        std::string_view title;
        bool error;
        Calls last;
    };
    const std::vector<Case> cases = {
        {market::kMarketTitle, false, {}},
        {market::kMarketTitle, true, {}},
        {market::kLibrariesTitle, false, {"close"}},
        {market::kLibrariesTitle, true, {"close"}},
        {market::kNativeTitle, false, {"close"}},
        {market::kNativeTitle, true, {"close"}},
        {market::kSelfUpdateTitle, false, {"finish http://h/new.exe[下载到]/d"}},
        {market::kSelfUpdateTitle, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + (c.error ? " error" : " done"));
        view.windowTitle = c.title;
        queue({"new.exe"});
        pipeline.StartHeadTask();
        view.take();
        if (c.error)
            pipeline.onError({});
        else
            pipeline.onDone();
        Calls expected = {"remove", "progress 0.000000"};
        expected.insert(expected.end(), c.last.begin(), c.last.end());
        EXPECT_EQ(view.take(), expected);
        EXPECT_TRUE(pipeline.empty());
    }
}

TEST_F(PipelineFixture, ProgressShowsSpeedAndFractionAndIgnoresAZeroTotal) {
    pipeline.onProgress(500, 1000, 125);
    pipeline.onProgress(10, 0, 7);
    EXPECT_EQ(view.take(), (Calls{"speed 125KB/S", "progress 0.500000", "speed 7KB/S"}));
    EXPECT_FLOAT_EQ(view.progress, 0.5f);
}

TEST_F(PipelineFixture, TheHeadStartsWithOrWithoutTurningBackslashes) {
    market::QueueEntry entry = entryOf("http:\\\\h\\libraries\\a.jar[下载到]D:\\游戏\\lib\\");
    pipeline.append(entry);
    pipeline.StartHeadTask();
    InstallPipeline kept{view, dialogs, folders};
    entry.keepUrlAsWritten = true;
    kept.append(entry);
    kept.StartHeadTask();
    EXPECT_EQ(view.take(), (Calls{"start http://h/libraries/a.jar > D:\\游戏\\lib\\",
                                  "start http:\\\\h\\libraries\\a.jar > D:\\游戏\\lib\\"}));
}

TEST_F(PipelineFixture, AHeadWithoutTheMarkerIsDroppedSoTheQueueMoves) {
    pipeline.append(entryOf("http://h/broken"));
    queue({"b"});
    pipeline.StartHeadTask();
    EXPECT_EQ(view.take(), (Calls{"remove", "start http://h/b > /d"}));
}

TEST_F(PipelineFixture, AnAssetObjectIsKeptOnlyWhenItsContentHasItsHash) {
    const std::string good = platform::sha1Hex("good");
    const std::string bad = platform::sha1Hex("expected");
    const std::string objects = folders.assetObjects();
    launcher.write(".minecraft/assets/objects/" + good.substr(0, 2) + "/" + good, "good");
    launcher.write(".minecraft/assets/objects/" + bad.substr(0, 2) + "/" + bad, "damaged");
    for (const std::string& hash : {good, bad, platform::sha1Hex("missing")}) {
        pipeline.append(entryOf("http://h/assets/" + hash.substr(0, 2) + "/" + hash + "[下载到]" +
                                objects + "/" + hash.substr(0, 2)));
    }
    queue({"after"});
    pipeline.StartHeadTask();
    for (int end = 0; end < 3; ++end) {
        pipeline.onDone();
        view.runPending();
    }
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_NE(dialogs.shown[0].text.find("下载错误\r\n文件：" + objects + "/" + bad.substr(0, 2)),
              std::string::npos);
    EXPECT_NE(dialogs.shown[0].text.find("SHA-1"), std::string::npos);
    EXPECT_TRUE(testing_support::exists(objects + "/" + good.substr(0, 2) + "/" + good));
    EXPECT_FALSE(testing_support::exists(objects + "/" + bad.substr(0, 2) + "/" + bad));
    EXPECT_EQ(pipeline.queue().front().listText(), "http://h/after[下载到]/d");
}

TEST_F(PipelineFixture, AFileSavedUnderItsOwnNameIsCheckedThere) {
    struct Case {
        std::string arrived;  // what the download left as client.jar
        bool kept;
    };
    const std::string folder = folders.versionFolder("1.8.9");
    for (const Case& c : {Case{"jar bytes", true}, Case{"something else", false}}) {
        SCOPED_TRACE(c.arrived);
        launcher.write(".minecraft/versions/1.8.9/client.jar", c.arrived);
        market::QueueEntry entry{"https://h/v1/objects/ab/client.jar", folder};
        entry.sha1 = platform::sha1Hex("jar bytes");
        entry.saveAs = "1.8.9.jar";
        pipeline.append(entry);
        pipeline.StartHeadTask();
        pipeline.onDone();
        EXPECT_FALSE(testing_support::exists(folder + "/client.jar"));
        EXPECT_EQ(testing_support::exists(folder + "/1.8.9.jar"), c.kept);
        EXPECT_EQ(dialogs.shown.empty(), c.kept);
        if (!c.kept) {
            EXPECT_NE(dialogs.shown[0].text.find("文件：" + folder + "/1.8.9.jar"),
                      std::string::npos);
            EXPECT_NE(dialogs.shown[0].text.find("SHA-1"), std::string::npos);
        }
        EXPECT_TRUE(pipeline.empty());
        dialogs.shown.clear();
    }
}

TEST_F(PipelineFixture, AtStartupASourceThatGivesNoAnswerIsSaidOnceAndTheCheckEnds) {
    struct Case {
        std::string_view title;
        int status;
        bool failed;  // 下载失败 rather than 下载错误
        bool endsAtOnce;
    };
    const std::vector<Case> cases = {
        {market::kNativeTitle, 0, true, true},
        {market::kNativeTitle, 0, false, true},  // a refused certificate
        {market::kNativeTitle, 404, false, false},
        {market::kMarketTitle, 0, true, false},
        {market::kLibrariesTitle, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + " " + std::to_string(c.status));
        InstallPipeline run{view, dialogs, folders};
        view.windowTitle = c.title;
        for (const char* name : {"a.jar", "b.jar", "c.jar"})
            run.append({std::string("https://libraries.test:8443/") + name, "/d"});
        run.StartHeadTask();
        view.take();
        DownloadEnd end{"https://libraries.test:8443/a.jar", "", "无法连接到服务器", c.status};
        c.failed ? run.onFailed(end) : run.onError(end);
        Calls calls = view.take();
        const bool closed = std::find(calls.begin(), calls.end(), "close") != calls.end();
        EXPECT_EQ(closed, c.endsAtOnce);
        EXPECT_EQ(run.empty(), c.endsAtOnce);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        if (c.endsAtOnce) {
            EXPECT_NE(dialogs.shown[0].text.find("libraries.test:8443"), std::string::npos);
            EXPECT_NE(dialogs.shown[0].text.find("无法连接到服务器"), std::string::npos);
        }
        dialogs.shown.clear();
        view.pending.clear();
    }
}

}  // namespace
