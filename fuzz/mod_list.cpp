// The mod catalogue's cut, line rule and section rules on any page text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "market/ModCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view page(reinterpret_cast<const char*>(data), size);
    std::optional<std::string> list = market::cutModList(page);
    if (!list) return 0;
    std::vector<std::string> lines = market::catalogueLines(*list);
    for (std::string_view version : {"1.7.10", "Other"}) {
        for (const market::ModEntry& mod : market::modsOfVersion(lines, version)) {
            // A listed mod's details always split into URL and description.
            if (!market::splitModDetails(mod.details)) __builtin_trap();
        }
    }
    return 0;
}
