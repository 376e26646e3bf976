#include "account/SettingsChecks.h"

#include "account/MemorySetting.h"
#include "context/AppTitle.h"

std::optional<SettingsProblem> checkSettingsForm(
    const SettingsForm& form, const std::function<bool(const std::string&)>& isExistingFile) {
    const std::string notPositive = "内存大小不是一个正整数。";
    if (form.userName.empty()) return SettingsProblem{"请输入用户名.", "补充你的凭据"};
    if (form.memory.empty()) return SettingsProblem{"请输入内存大小.", kAppTitle};
    std::optional<double> memory = parseNumber(form.memory);
    if (!memory || *memory <= 0) return SettingsProblem{notPositive, "修改你的凭据"};
    if (form.javaPath.empty()) return SettingsProblem{"请输入 JRE 路径.", "补充你的凭据"};
    if (!isExistingFile(form.javaPath))
        return SettingsProblem{"JRE 路径 指向了一个并不存在的路径。", "修改你的凭据"};
    return std::nullopt;
}
