#include <gtest/gtest.h>

#include "MigrationRun.h"

using testing_support::exists;
using testing_support::migrateForReal;
using testing_support::readAll;
using testing_support::TestLauncher;

namespace {

struct MigrationBatchTest : ::testing::Test {
    TestLauncher launcher{"迁移 测试", platform::PathStyle::windows()};
    std::string game() const { return launcher.context.folders().root(); }

    void makeOldLayout() {
        launcher.folder.write(".minecraft/bin/minecraft.jar", "jar");
        launcher.folder.write(".minecraft/bin/lwjgl.jar", "lwjgl");
        launcher.folder.write(".minecraft/bin/natives/lwjgl64.dll", "native");
    }
    // Writes MoveOldVersion.bat and lets Wine's cmd run it.
    bool migrate(const std::string& name) {
        return migrateForReal(launcher, name, platform::PathStyle::windows());
    }
};

TEST_F(MigrationBatchTest, CopiesTheBinTreeThenRemovesIt) {
    makeOldLayout();
    ASSERT_TRUE(migrate("旧版 1.5.2"));
    std::string version = game() + "\\versions\\旧版 1.5.2";
    EXPECT_EQ(readAll(version + "\\minecraft.jar"), "jar");
    EXPECT_EQ(readAll(version + "\\lwjgl.jar"), "lwjgl");
    EXPECT_EQ(readAll(version + "\\natives\\lwjgl64.dll"), "native");
    EXPECT_FALSE(exists(game() + "\\bin"));
}

TEST_F(MigrationBatchTest, AFailedCopyKeepsBin) {
    makeOldLayout();
    launcher.folder.write(".minecraft/versions/1.5.2", "a file where the folder should go");
    ASSERT_TRUE(migrate("1.5.2"));
    EXPECT_EQ(readAll(game() + "\\bin\\minecraft.jar"), "jar");
    EXPECT_EQ(readAll(game() + "\\bin\\natives\\lwjgl64.dll"), "native");
}

}  // namespace
