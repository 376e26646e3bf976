#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/FileList.h"

// The rules of the settings window that need no window: the number test, the memory box
// text and the six checks made before saving.

// The value of `text` when it is a number as the locale parser reads one: blanks around
// it, a sign, digits with an optional decimal point, an optional exponent.
std::optional<double> parseNumber(const std::string& text);

// The memory box text for a stored memory setting: the nearest whole number (halves to
// even), or `fallback` when the setting is empty, not a number or out of range.
std::string memoryBoxText(const std::string& memoryMb, const std::string& fallback);

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
