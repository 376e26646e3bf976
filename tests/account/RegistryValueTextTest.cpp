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

TEST(RegistryValueTextTest, RootNamesMatchExactly) {
    const std::pair<const char*, RegistryRoot> cases[] = {
        {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot},
        {"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
        {"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
        {"HKEY_USERS", RegistryRoot::Users},
        {"HKEY_PERFORMANCE_DATA", RegistryRoot::PerformanceData},
        {"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig},
        {"HKEY_DYN_DATA", RegistryRoot::DynData},
        {"hkey_local_machine", RegistryRoot::None},
        {"HKEY_LOCAL_MACHINE ", RegistryRoot::None},
        {"HKLM", RegistryRoot::None},
    };
    for (const auto& [name, root] : cases)
        EXPECT_EQ(RootKeyFromName(name), root) << name;
    EXPECT_EQ(static_cast<uint32_t>(RootKeyFromName("HKEY_DYN_DATA")), 0x80000006u);
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
