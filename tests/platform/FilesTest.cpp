#include <gtest/gtest.h>

#ifndef _WIN32
#include "FileSizeLimit.h"
#endif
#include "TempFolder.h"
#include "platform/FileList.h"
#include "platform/TextFile.h"

using testing_support::TempFolder;

TEST(FileList, OrdinaryVisibleFilesAndFoldersOnly) {
    TempFolder folder("列表 测试");
    folder.write("b.JPG", "x");
    folder.write("a.bmp", "x");
    folder.write("c.txt", "x");
    folder.write(".hidden.jpg", "x");
    folder.makeFolder("版本 1");
    folder.makeFolder(".git");
    folder.makeFolder("d.jpg");
    EXPECT_EQ(platform::listFiles(folder.path(), {".jpg", ".bmp"}),
              (std::vector<std::string>{"a.bmp", "b.JPG"}));
    EXPECT_EQ(platform::listFiles(folder.path()).size(), 3u);
    auto folders = platform::listSubFolders(folder.path());
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders, (std::vector<std::string>{"d.jpg", "版本 1"}));
    EXPECT_TRUE(platform::listFiles(folder.path() + "/missing").empty());
}

TEST(TextFile, WritesCodePageWithCrLfAndReadsBack) {
    TempFolder folder;
    std::string path = folder.file("文本.ini");
    ASSERT_TRUE(platform::writeTextLines(path, {"中", "", "x"}));
    EXPECT_EQ(testing_support::readAll(path), "\xD6\xD0\r\n\r\nx\r\n");
    EXPECT_EQ(*platform::readTextLines(path), (std::vector<std::string>{"中", "", "x"}));
    folder.write("lf.txt", "a\nb");
    EXPECT_EQ(*platform::readTextLines(folder.file("lf.txt")),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(platform::readTextLines(folder.file("missing.txt")).ok());
}

#ifndef _WIN32  // a file-size limit stands in for a full disk; Windows has none
TEST(TextFile, FailedWriteLeavesTheOldFileWhole) {
    TempFolder folder;
    std::string path = folder.write("keep.txt", "old content");
    {
        // The disk takes 4 KiB of the new 10 KB and then refuses.
        testing_support::FileSizeLimit limit(4096);
        platform::Result<> written = platform::writeTextLines(path, {std::string(10000, 'n')});
        EXPECT_FALSE(written);
        EXPECT_NE(written.reason().find(path), std::string::npos) << written.reason();
    }
    EXPECT_EQ(testing_support::readAll(path), "old content");
    EXPECT_EQ(platform::listFiles(folder.path()), (std::vector<std::string>{"keep.txt"}));
}
#endif
