#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Result.h"

// The player's choice "同时下载": how many downloads the market runs at once. One is the queue
// of old, one download after another with a pause between; the choice lives in its own file of
// the data folder, beside config.ini, whose lines are fixed.
namespace market {

inline constexpr std::array<size_t, 4> kParallelChoices = {1, 4, 8, 16};
inline constexpr std::string_view kParallelFileName = "downloads.ini";

// The choice saved in `path` (a line "parallel=<n>"); 1 when the file is missing or names no
// offered choice.
size_t loadParallelDownloads(const std::string& path);

// Saves `downloads` into `path`; the failure names the file and why.
platform::Result<> saveParallelDownloads(const std::string& path, size_t downloads);

}  // namespace market
