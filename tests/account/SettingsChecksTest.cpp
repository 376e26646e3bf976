#include <gtest/gtest.h>

#include "TempFolder.h"
#include "account/Proposals.h"
#include "account/SettingsChecks.h"

namespace {

TEST(SettingsChecksTest, NumbersAsTheLocaleParserReadsThem) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1024", 1024},
        {" 512 ", 512},
        {"+3", 3},
        {"-3", -3},
        {"1.5", 1.5},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"2E-1", 0.2},
        {"0", 0},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1e", std::nullopt},
        {".", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"1 2", std::nullopt},
        {"１０２４", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseNumber(text), value) << '"' << text << '"';
}

TEST(SettingsChecksTest, MemoryBoxShowsTheNearestWholeNumberOrKeepsItsText) {
    const std::pair<const char*, const char*> cases[] = {
        {"2048", "2048"}, {"1.5", "2"}, {"2.5", "2"},     {"3.5", "4"},     {"-0.4", "0"},
        {" 700 ", "700"}, {"", "1024"}, {"lots", "1024"}, {"1e12", "1024"},
    };
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(memoryBoxText(stored, "1024"), shown) << stored;
}

TEST(SettingsChecksTest, ChecksRunInOrderWithTheirMessagesAndTitles) {
    testing_support::TempFolder folder;
    std::string java = folder.write("bin/java", "");
    struct Case {
        SettingsForm form;
        std::optional<SettingsProblem> problem;
    };
    const SettingsProblem notPositive{"内存大小不是一个正整数。", "修改你的凭据"};
    const Case cases[] = {
        {{"", "", ""}, SettingsProblem{"请输入用户名.", "补充你的凭据"}},
        {{"steve", "", ""}, SettingsProblem{"请输入内存大小.", "Vendrolupa"}},
        {{"steve", "many", ""}, notPositive},
        {{"steve", "0", ""}, notPositive},
        {{"steve", "-3", java}, notPositive},
        {{"steve", "1.5", ""}, SettingsProblem{"请输入 JRE 路径.", "补充你的凭据"}},
        {{"steve", "1024", folder.path() + "/bin"},
         SettingsProblem{"JRE 路径 指向了一个并不存在的路径。", "修改你的凭据"}},
        {{"steve", "1024", folder.path() + "/none"},
         SettingsProblem{"JRE 路径 指向了一个并不存在的路径。", "修改你的凭据"}},
        {{"steve", "1.5", java}, std::nullopt},
        {{" ", " 2048", java}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkSettingsForm(c.form), c.problem) << c.form.userName << "|" << c.form.memory;
}

TEST(SettingsChecksTest, JavaPathIsTheFirstQuotedPartOfTheOpenCommand) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Java\\bin\\javaw.exe\" -jar \"%1\"", "C:\\Java\\bin\\javaw.exe"},
        {"\"/opt/jdk 17/bin/java\" -jar \"%1\"", "/opt/jdk 17/bin/java"},
        {"Error", ""},
        {"", ""},
        {"\"C:\\Java\\bin\\javaw.exe -jar", ""},
    };
    for (const auto& [command, path] : cases)
        EXPECT_EQ(javaPathFromOpenCommand(command), path) << command;
}

TEST(SettingsChecksTest, MemoryProposalIsHalfTheTotal) {
    EXPECT_EQ(proposedMemoryText(8192), "4096");
    EXPECT_EQ(proposedMemoryText(8191), "4095");
    EXPECT_EQ(proposedMemoryText(0), "0");
}

}  // namespace
