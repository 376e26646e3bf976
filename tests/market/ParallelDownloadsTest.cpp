#include "market/ParallelDownloads.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

TEST(ParallelDownloads, OnlyAnOfferedChoiceIsTakenFromTheFile) {
    testing_support::TempFolder folder{"同时下载 choice"};
    const std::string path = folder.file("downloads.ini");
    EXPECT_EQ(market::loadParallelDownloads(path), 1u);  // never chosen
    const std::vector<std::pair<std::string, size_t>> cases = {
        {"parallel=8\r\n", 8}, {"  parallel=16\r\n", 16}, {"x=1\r\nparallel=4\r\n", 4},
        {"parallel=3\r\n", 1}, {"parallel=-4\r\n", 1},    {"parallel=8x\r\n", 1},
        {"parallel=0\r\n", 1}, {"Parallel=8\r\n", 1},     {"", 1},
    };
    for (const auto& [text, expected] : cases) {
        folder.write("downloads.ini", text);
        EXPECT_EQ(market::loadParallelDownloads(path), expected) << text;
    }
    for (size_t choice : market::kParallelChoices) {
        ASSERT_TRUE(market::saveParallelDownloads(path, choice));
        EXPECT_EQ(market::loadParallelDownloads(path), choice);
    }
    EXPECT_EQ(testing_support::readAll(path), "parallel=16\r\n");
    // A folder where the file should be: the failure names the file.
    folder.makeFolder("blocked.ini");
    auto refused = market::saveParallelDownloads(folder.file("blocked.ini"), 4);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.reason().find("blocked.ini"), std::string::npos) << refused.reason();
}
