#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/Log.h"

using testing_support::readAll;
using testing_support::TempFolder;

TEST(Log, AppendsTimedUtf8Lines) {
    TempFolder folder("日志");
    platform::Log log(folder.file("launcher.log"));
    log.write("启动器启动");
    platform::Log(log.path()).write("second");
    std::string text = readAll(log.path());
    // "yyyy-mm-dd hh:mm:ss " in front of each line.
    ASSERT_EQ(text.size(), 2 * 20 + std::string("启动器启动\r\nsecond\r\n").size()) << text;
    EXPECT_EQ(text.substr(20, 17), "启动器启动\r\n");
    EXPECT_TRUE(text.ends_with(" second\r\n"));
    EXPECT_EQ(text[4], '-');
}

TEST(Log, MovesTheFullFileAsideBeforePassingTheLimit) {
    TempFolder folder;
    platform::Log log(folder.file("launcher.log"));
    const std::string line(1000, 'x');
    const int lines = int(platform::Log::kMaxBytes / 1000) + 10;
    for (int i = 0; i < lines; ++i)
        log.write(line);
    std::string current = readAll(log.path());
    std::string older = readAll(log.path() + ".1");
    EXPECT_LE(older.size(), platform::Log::kMaxBytes);
    EXPECT_GT(older.size(), platform::Log::kMaxBytes - 1100);
    EXPECT_EQ(older.size() + current.size(), size_t(lines) * (20 + 1000 + 2));
}

TEST(Log, WithoutPathOrFolderNothingIsWritten) {
    TempFolder folder;
    platform::Log().write("nowhere");
    platform::Log(folder.path() + "/missing/launcher.log").write("lost");
    EXPECT_FALSE(testing_support::exists(folder.path() + "/missing"));
}
