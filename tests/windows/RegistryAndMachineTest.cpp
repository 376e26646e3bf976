#include <gtest/gtest.h>

#include <fstream>

#include "ScriptedDialogs.h"
#include "account/RegistryValueText.h"
#include "platform/Machine.h"

namespace {

// What scripts/test-windows writes with `wine reg add` before the tests run.
constexpr const char* kJarCommand = "\"C:\\Java 运行时\\bin\\javaw.exe\" -jar \"%1\"";

TEST(WindowsRegistry, TheJarAssociationWrittenByRegAdd) {
    testing_support::ScriptedDialogs dialogs;
    struct Case {
        std::string key, value, expected;
    };
    const Case table[] = {
        {kJarOpenCommandKey, "", kJarCommand},
        {kJarOpenCommandKey, "no such value", "Error"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\没有这个键\\shell", "", "Error"},
    };
    for (const Case& c : table)
        EXPECT_EQ(RegistryValueText(dialogs, c.key, c.value), c.expected) << c.key << c.value;
    EXPECT_TRUE(dialogs.shown.empty());
}

// Wine answers from the Linux figures, so the Linux total is the one to match.
uint64_t linuxTotalMemory() {
    std::ifstream meminfo("Z:\\proc\\meminfo");
    std::string key, unit;
    uint64_t kilobytes = 0;
    while (meminfo >> key >> kilobytes >> unit) {
        if (key == "MemTotal:") return kilobytes * 1024;
    }
    return 0;
}

TEST(WindowsMachine, MemoryStatusAndSixtyFourBitProbe) {
    std::optional<platform::MemoryStatus> status = platform::queryMemoryStatus();
    ASSERT_TRUE(status);
    uint64_t onLinux = linuxTotalMemory();
    ASSERT_GT(onLinux, 0u);
    EXPECT_NEAR(double(status->totalPhysical), double(onLinux), double(onLinux) * 0.05);
    EXPECT_LE(status->availablePhysical, status->totalPhysical);
    EXPECT_GE(status->totalPageFile, status->totalPhysical);
    EXPECT_LE(status->loadPercent, 100u);
    EXPECT_TRUE(platform::isOperatingSystem64Bit());
}

}  // namespace
