#include <gtest/gtest.h>

#include "account/QueryMemory.h"

namespace {

platform::MemoryStatus eightGigabytes() {
    platform::MemoryStatus s;
    s.totalPhysical = 8589934592ull;      // 8192 MB
    s.availablePhysical = 3221225472ull;  // 3072 MB
    s.totalPageFile = 12884901888ull;     // 12288 MB
    s.availablePageFile = 1073741824ull + 1023;
    s.totalVirtual = 140737488355328ull;  // 2^47: beyond 32-bit kilobytes
    s.availableVirtual = 1024ull * 1024 * 1024;
    s.loadPercent = 62;
    return s;
}

TEST(QueryMemoryTest, FiguresInEachUnitPower) {
    struct Case {
        int figure, unit;
        int32_t expected;
    };
    const Case cases[] = {
        {0, 0, 8388608}, {0, 1, 8192},    {0, 2, 8},    {0, 3, 0},     {3, 1, 3072},
        {2, 2, 12},      {5, 0, 1048576}, {6, 1, 5120}, {8, 1, 11264}, {9, 0, 62},
        {9, 4, 62},      {9, -1, 62},     {0, 4, 0},    {0, -1, 0},    {1, 1, 0},
        {7, 1, 0},       {4, 2, 1},       {10, 1, 0},   {-1, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QueryMemory(eightGigabytes(), c.figure, c.unit), c.expected)
            << "figure " << c.figure << " unit " << c.unit;
    }
}

TEST(QueryMemoryTest, NoAnswerFromTheSystemGivesZero) {
    EXPECT_EQ(QueryMemory(std::nullopt, 0, 1), 0);
    EXPECT_EQ(QueryMemory(std::nullopt, 9, 0), 0);
}

TEST(QueryMemoryTest, ThisMachineReportsSomePhysicalMemory) {
    EXPECT_GT(QueryMemory(0, 1), 0);
    int32_t load = QueryMemory(9, 0);
    EXPECT_GE(load, 0);
    EXPECT_LE(load, 100);
}

}  // namespace
