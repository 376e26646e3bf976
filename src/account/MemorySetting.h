#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The heap size setting, in megabytes, as the settings window shows, checks and proposes it
// and as the launch reads it.

// The value of `text` when it is a number as the locale parser reads one: blanks around
// it, a sign, digits with an optional decimal point, an optional exponent.
std::optional<double> parseNumber(const std::string& text);

// The heap size of the settings as a number of megabytes. Any text the settings window
// accepts as a number ("1.5", "1e3", blanks around it) is taken, converted to the nearest
// whole number (halves to even); nullopt when that is not from 1 up to the largest 32-bit
// signed number, or when the text is no number at all.
std::optional<int32_t> ParseMemoryMb(const std::string& text);

// The memory box text for a stored memory setting: the nearest whole number (halves to
// even), or `fallback` when the setting is empty, not a number or out of the 32-bit range.
std::string memoryBoxText(const std::string& memoryMb, const std::string& fallback);

// Half the total physical memory in megabytes (integer part), as text; `totalMb` is the
// figure QueryMemory(0, 1) gives.
std::string proposedMemoryText(int32_t totalMb);
