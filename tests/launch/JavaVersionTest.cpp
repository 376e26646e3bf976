#include "launch/JavaVersion.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"

namespace {

TEST(JavaVersion, FeatureReleaseFromWhatTheRuntimePrints) {
    struct Case {
        std::string output;
        std::optional<int> major;
    };
    const std::vector<Case> cases = {
        {"java version \"1.8.0_202\"\nJava(TM) SE Runtime Environment (build 1.8.0_202-b08)", 8},
        {"openjdk version \"17.0.15\" 2025-04-15\nOpenJDK Runtime Environment", 17},
        {"openjdk version \"21\" 2023-09-19", 21},
        {"openjdk version \"9-ea\"", 9},
        {"Picked up _JAVA_OPTIONS: -Dx=1\nopenjdk version \"11.0.2\" 2019-01-15", 11},
        {"java version \"1.7.0_80\"", 7},
        {"Error: could not find libjava.so", std::nullopt},
        {"openjdk version \"\"", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(javaMajorFromVersionText(c.output), c.major) << c.output;
}

#ifndef _WIN32
// A stand-in runtime: a script that counts how often it is asked and prints a version.
std::string fakeJava(const testing_support::TempFolder& folder, const std::string& name,
                     const std::string& version) {
    std::string path =
        folder.write(name, "#!/bin/sh\necho asked >> \"" + folder.path() + "/asked-" + name +
                               "\"\necho 'openjdk version \"" + version + "\" 2024-01-01' >&2\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

int timesAsked(const testing_support::TempFolder& folder, const std::string& name) {
    std::string asked = testing_support::readAll(folder.path() + "/asked-" + name);
    if (asked == "<missing>") return 0;
    return static_cast<int>(std::count(asked.begin(), asked.end(), '\n'));
}

TEST(JavaVersion, EachRuntimeIsAskedOnceUntilItChanges) {
    testing_support::TempFolder folder{"java 版本"};
    const std::string cache = folder.file("数据/java-versions.txt");
    folder.makeFolder("数据");
    std::string eight = fakeJava(folder, "java8", "1.8.0_392");
    std::string seventeen = fakeJava(folder, "java 17", "17.0.9");

    for (int round = 0; round < 3; ++round) {
        platform::Result<int> first = javaMajorVersion(eight, cache);
        platform::Result<int> second = javaMajorVersion(seventeen, cache);
        ASSERT_TRUE(first) << first.reason();
        ASSERT_TRUE(second) << second.reason();
        EXPECT_EQ(first.value(), 8);
        EXPECT_EQ(second.value(), 17);
    }
    EXPECT_EQ(timesAsked(folder, "java8"), 1);
    EXPECT_EQ(timesAsked(folder, "java 17"), 1);

    // The runtime at the same path is replaced: asked again, and the new answer counts.
    fakeJava(folder, "java8", "21.0.1");
    std::filesystem::last_write_time(
        std::filesystem::path(eight),
        std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    platform::Result<int> replaced = javaMajorVersion(eight, cache);
    ASSERT_TRUE(replaced) << replaced.reason();
    EXPECT_EQ(replaced.value(), 21);
    EXPECT_EQ(timesAsked(folder, "java8"), 2);
    EXPECT_EQ(javaMajorVersion(seventeen, cache).value(), 17);
    EXPECT_EQ(timesAsked(folder, "java 17"), 1);
}

TEST(JavaVersion, ARuntimeThatCannotTellIsAFailureWithItsReason) {
    testing_support::TempFolder folder{"java 坏"};
    const std::string cache = folder.file("java-versions.txt");
    std::string silent = folder.write("silent", "#!/bin/sh\necho nothing here\n");
    std::filesystem::permissions(silent, std::filesystem::perms::owner_all);
    std::string notProgram = folder.write("not-a-program", "text");

    platform::Result<int> unclear = javaMajorVersion(silent, cache);
    ASSERT_FALSE(unclear);
    EXPECT_NE(unclear.reason().find("nothing here"), std::string::npos) << unclear.reason();
    EXPECT_FALSE(javaMajorVersion(notProgram, cache));
    EXPECT_FALSE(javaMajorVersion(folder.path() + "/missing", cache));
    // Nothing is remembered for a runtime that gave no answer.
    EXPECT_EQ(testing_support::readAll(cache), "<missing>");
}
#endif

}  // namespace
