#pragma once
#include <string_view>

namespace market {

// The market window's title doubles as its mode.
inline constexpr std::string_view kMarketTitle = "Vendrolupa - Minecraft 应用市场";
inline constexpr std::string_view kLibrariesTitle = "Libraries更新中";
inline constexpr std::string_view kNativeTitle = "Native更新中";
inline constexpr std::string_view kSelfUpdateTitle = "自动更新中";

enum class MarketMode { Normal, Libraries, Native, SelfUpdate };

// The mode of a window title; any title but the three update titles is normal use.
MarketMode modeFromTitle(std::string_view title);

}  // namespace market
