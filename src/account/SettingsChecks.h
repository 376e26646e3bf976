#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/FileList.h"

// The checks the settings window makes before saving, which need no window.

struct SettingsForm {
    std::string userName;
    std::string memory;
    std::string javaPath;
};

struct SettingsProblem {
    std::string message;
    std::string title;
    bool operator==(const SettingsProblem&) const = default;
};

// The first failing check in order, or nullopt when the form may be saved.
std::optional<SettingsProblem> checkSettingsForm(
    const SettingsForm& form,
    const std::function<bool(const std::string&)>& isExistingFile = platform::isExistingFile);
