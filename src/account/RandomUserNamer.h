#pragma once
#include <array>
#include <string>

#include "platform/Random.h"

inline constexpr std::array<const char*, 18> kNameWords{
    "creeper", "steve", "demaxiya", "gay", "him",    "hero", "vex",   "smart", "pro",
    "night",   "boom",  "tnt",      "ul",  "simple", "hey",  "micro", "star",  "stream"};
inline constexpr std::array<const char*, 17> kNameAffixes{
    "555", "win", "aaa", "233",  "98765432", "321", "II", "er", "mmm",
    "edd", "ess", "ive", "less", "ant",      "III", "IV", "V"};

// A random player name from five draws: order, word, affix, whether a number follows
// (80 %), and the number 0 to 100. Indices round to the nearest integer, halves to even.
std::string RandomUserNamer(platform::Random& random);
