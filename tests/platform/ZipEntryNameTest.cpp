#include <gtest/gtest.h>

#include <string>

#include "platform/Zip.h"

TEST(ZipEntryName, RefusesNamesThatLeaveTheFolderOrNameADevice) {
    struct Case {
        std::string name;
        bool safe;
    };
    const Case cases[] = {
        {"liblwjgl64.so", true},
        {"lib/x86_64/libopenal.so", true},
        {"./a.dll", true},
        {"a..b.so", true},
        {"本地库/文件.dll", true},
        {"console.dll", true},
        {"com0.dll", true},
        {"", false},
        {"../x", false},
        {"a/../../x", false},
        {"a/..", false},
        {"/abs", false},
        {"\\abs", false},
        {"a\\b", false},
        {"..\\x", false},
        {"C:x", false},
        {"c:/windows/x.dll", false},
        {"a.dll:stream", false},
        {"a\nb", false},
        {std::string("a\0b", 3), false},
        {"a\x7f", false},
        {"...", false},
        {"a/. ./b", false},
        {".. /x", false},
        {"NUL", false},
        {"dir/con.txt", false},
        {"Aux.dll", false},
        {"lpt1", false},
        {"COM9.so", false},
        {"CON .dll", false},
        {"lib/com¹.so", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::zipEntryNameIsSafe(c.name), c.safe) << '"' << c.name << '"';
}
