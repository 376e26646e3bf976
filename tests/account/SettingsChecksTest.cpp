#include <gtest/gtest.h>

#include "TempFolder.h"
#include "account/SettingsChecks.h"

namespace {

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

}  // namespace
