#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The heap size of the settings as a number of megabytes. Any text the settings window
// accepts as a number ("1.5", "1e3", blanks around it) is taken, converted to the nearest
// whole number (halves to even); nullopt when that is not from 1 up to the largest 32-bit
// signed number, or when the text is no number at all.
std::optional<int32_t> ParseMemoryMb(const std::string& text);
