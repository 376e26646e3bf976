#pragma once
#include <string>
#include <vector>

#include "context/LauncherContext.h"
#include "market/ModCatalogue.h"
#include "platform/Result.h"

// The mod catalogue as the market's Mods tab reads it: from the cache file in the data
// folder, which is filled once from the update server's start page.
namespace market {

inline constexpr const char* kModListCacheName = "modlist.tmp";

// Where the catalogue is cached.
std::string modListCachePath(const LauncherContext& context);

// The mods of `version`. Without the cache file the start page is fetched (a blocking
// request) and its catalogue is written to the cache; a page that cannot be fetched or has
// no catalogue writes nothing, so the next call tries again. The failure says why.
platform::Result<std::vector<ModEntry>> loadModList(const LauncherContext& context,
                                                    const std::string& version);

}  // namespace market
