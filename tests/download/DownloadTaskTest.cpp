#include <gtest/gtest.h>

#include <functional>

#include "DownloadQueue.h"
#include "download/DownloadTask.h"

TEST(DownloadTask, SplitsAtTheMarkerAndTurnsBackslashes) {
    using testing_support::splitDownloadTask;
    auto task = splitDownloadTask("http:\\\\h\\libraries\\a.jar[下载到]D:\\游戏\\lib\\");
    ASSERT_TRUE(task);
    EXPECT_EQ(task->url, "http://h/libraries/a.jar");
    EXPECT_EQ(task->destination, "D:\\游戏\\lib\\");
    auto twice = splitDownloadTask("http://h/a[下载到]/x[下载到]/y");
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->destination, "/x[下载到]/y");
    EXPECT_FALSE(splitDownloadTask("http://h/a.jar /tmp"));
    auto round = splitDownloadTask(download::makeDownloadTask("http://h/文件.jar", "/tmp/游戏"));
    ASSERT_TRUE(round);
    EXPECT_EQ(round->url, "http://h/文件.jar");
    EXPECT_EQ(round->destination, "/tmp/游戏");
}

TEST(DownloadTask, QueueStartsOnFirstAddAndAdvancesOnEachEnd) {
    std::vector<std::string> started;
    testing_support::DownloadQueue queue(
        [&](const testing_support::DownloadTask& t) { started.push_back(t.url); });
    queue.add("http://h/1[下载到]/d");
    queue.add("no marker");
    queue.add("http://h/3[下载到]/d");
    EXPECT_EQ(started, std::vector<std::string>{"http://h/1"});
    EXPECT_EQ(queue.entries().size(), 3u);
    queue.advance();  // the invalid text is dropped on the way
    EXPECT_EQ(started, (std::vector<std::string>{"http://h/1", "http://h/3"}));
    queue.advance();
    EXPECT_TRUE(queue.empty());
    queue.advance();
    EXPECT_EQ(started.size(), 2u);
}
