#pragma once
#include <string>
#include <string_view>

#include "mirror/CatalogueText.h"
#include "platform/Result.h"

namespace mirror {

// What the mirror's catalogue and asset part need from a version JSON.
struct VersionFacts {
    CatalogueEntry entry;
    // "assetIndex.id", else "assets", else empty.
    std::string assetIndexId;
};

// Fails on text that is not a JSON object or whose "id" is not `id`.
platform::Result<VersionFacts> readVersionFacts(std::string_view json, const std::string& id);

}  // namespace mirror
