#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include "ScopedEnv.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "account/RegistryValueText.h"

using platform::RegistryRoot;
using testing_support::ScriptedDialogs;

namespace {

// Each name reaches the registry as the handle value Windows gives that root (winreg.h), so a
// swapped or mistyped entry would open the wrong part of the registry.
TEST(RegistryValueTextTest, RootNamesMatchExactly) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"HKEY_CLASSES_ROOT", 0x80000000u},
        {"HKEY_CURRENT_USER", 0x80000001u},
        {"HKEY_LOCAL_MACHINE", 0x80000002u},
        {"HKEY_USERS", 0x80000003u},
        {"HKEY_PERFORMANCE_DATA", 0x80000004u},
        {"HKEY_CURRENT_CONFIG", 0x80000005u},
        {"HKEY_DYN_DATA", 0x80000006u},
        {"hkey_local_machine", 0u},
        {"HKEY_LOCAL_MACHINE ", 0u},
        {"HKLM", 0u},
    };
    for (const auto& [name, handle] : cases)
        EXPECT_EQ(static_cast<uint32_t>(RootKeyFromName(name)), handle) << name;
    EXPECT_EQ(RootKeyFromName("HKLM"), RegistryRoot::None);
}

TEST(RegistryValueTextTest, SplitKeyPathSeparatesRootAndSubKey) {
    ScriptedDialogs dialogs;
    std::string path = kJarOpenCommandKey;
    EXPECT_EQ(SplitKeyPath(dialogs, path), RegistryRoot::LocalMachine);
    EXPECT_EQ(path, "SOFTWARE\\Classes\\jarfile\\shell\\open\\command");
    path = "HKEY_USERS";
    EXPECT_EQ(SplitKeyPath(dialogs, path), RegistryRoot::Users);
    EXPECT_EQ(path, "");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(RegistryValueTextTest, BadlyFormedPathsAreShownAndGiveEmptyText) {
    for (const char* bad : {"HKEY_LOCAL_MACHINE\\SOFTWARE\\", "SOFTWARE\\Classes", ""}) {
        ScriptedDialogs dialogs;
        EXPECT_EQ(RegistryValueText(dialogs, bad, ""), "") << bad;
        ASSERT_EQ(dialogs.shown.size(), 1u) << bad;
        EXPECT_EQ(dialogs.shown[0].text, std::string("Incorrect Format:\n\n") + bad);
        EXPECT_EQ(dialogs.shown[0].title, "Vendrolupa");
        EXPECT_EQ(dialogs.shown[0].icon, platform::MessageIcon::None);
    }
}

TEST(RegistryValueTextTest, AnUnknownRootGivesEmptyTextWithoutMessage) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(RegistryValueText(dialogs, "HKEY_NOWHERE\\Software", ""), "");
    EXPECT_TRUE(dialogs.shown.empty());
}

// The Windows build reads the real registry (tests/windows).
#ifndef _WIN32
using testing_support::ScopedEnv;

TEST(RegistryValueTextTest, JarCommandComesFromJavaHomeOrReadsError) {
    testing_support::TempFolder home("java home");
    std::string java = home.write("bin/java", "#!/bin/sh\n");
    chmod(java.c_str(), 0755);
    ScriptedDialogs dialogs;
    {
        ScopedEnv javaHome("JAVA_HOME", home.path());
        EXPECT_EQ(RegistryValueText(dialogs, kJarOpenCommandKey, ""),
                  "\"" + java + "\" -jar \"%1\"");
        EXPECT_EQ(RegistryValueText(dialogs, kJarOpenCommandKey, "other"), "Error");
        EXPECT_EQ(RegistryValueText(dialogs, "HKEY_CURRENT_USER\\Software\\Nothing", ""), "Error");
    }
    ScopedEnv noHome("JAVA_HOME", "");
    ScopedEnv noPath("PATH", home.path() + "/nothing-here");
    EXPECT_EQ(RegistryValueText(dialogs, kJarOpenCommandKey, ""), "Error");
    EXPECT_TRUE(dialogs.shown.empty());
}
#endif

}  // namespace
