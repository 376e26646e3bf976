#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The heap size of the settings as a number of megabytes: decimal digits, blanks around
// them allowed, from 1 up to the largest 32-bit signed number; nullopt for anything else.
std::optional<int32_t> ParseMemoryMb(const std::string& text);
