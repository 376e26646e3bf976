#include "market/MarketMode.h"

namespace market {

MarketMode modeFromTitle(std::string_view title) {
    if (title == kLibrariesTitle) return MarketMode::Libraries;
    if (title == kNativeTitle) return MarketMode::Native;
    if (title == kSelfUpdateTitle) return MarketMode::SelfUpdate;
    return MarketMode::Normal;
}

}  // namespace market
