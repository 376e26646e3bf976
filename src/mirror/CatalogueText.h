#pragma once
#include <string>
#include <vector>

namespace mirror {

struct CatalogueEntry {
    std::string id;
    std::string type;
    std::string time;         // as published; empty when unknown
    std::string releaseTime;  // as published; empty when unknown
};

// The mirror's "versions/versions.json": the version manifest's shape ("latest", then
// "versions" in the given order), two blanks per level with `": "` separators, so the
// launcher's catalogue scan finds each id and the type behind it.
std::string catalogueText(const std::vector<CatalogueEntry>& entries);

}  // namespace mirror
