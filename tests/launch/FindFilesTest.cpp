#include <gtest/gtest.h>

#include "TempFolder.h"
#include "launch/FindFiles.h"

using testing_support::TempFolder;

namespace {

const auto kPosix = platform::PathStyle::posix();

}  // namespace

TEST(FindFiles, WalksTheTreeLeavingOutHiddenFilesAndDotFolders) {
    TempFolder tree("查找 文件");
    const std::string t = tree.path();
    for (const char* file : {"b.jar", "a.JAR", "notes.txt", ".hidden.jar", "jar", "lib/x.jar",
                             "lib/deep/er/y.jar", ".git/z.jar", "a.d/.w.jar", "a.d/w.jar"})
        tree.write(file, "PK");
    tree.makeFolder("empty");
#ifndef _WIN32  // Wine makes no folder links
    std::filesystem::create_directory_symlink(t, t + "/loop");
#endif

    EXPECT_EQ(FindFiles(t, "*.jar", kPosix),
              (std::vector<std::string>{t + "/a.JAR", t + "/b.jar", t + "/a.d/w.jar",
                                        t + "/lib/x.jar", t + "/lib/deep/er/y.jar"}));
    EXPECT_EQ(FindFiles(t + "/lib/", "?.jar", kPosix),
              (std::vector<std::string>{t + "/lib/x.jar", t + "/lib/deep/er/y.jar"}));
    EXPECT_TRUE(FindFiles(t + "/missing", "*.jar", kPosix).empty());
}

TEST(FindFiles, WildcardsMatchLikeWindowsNames) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"minecraft.jar", "*.jar", true},
        {"MINECRAFT.JAR", "*.jar", true},
        {"a.jar.bak", "*.jar", false},
        {"x.jar", "?.jar", true},
        {"xy.jar", "?.jar", false},
        {"a.b.jar", "*.*", true},
        {"jar", "*.jar", false},
        {"游戏.jar", "*.jar", true},
        {"aXbXc", "a*b*c", true},
        {"ab", "a*b*c", false},
        // A "*" in the name is a letter like any other.
        {"*x.jar", "*.jar", true},
        {"**", "*", true},
        {"*", "?", true},
        {"x*", "*y", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}
