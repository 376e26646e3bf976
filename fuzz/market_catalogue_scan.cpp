// Any catalogue text: the scan ends, and every id it lists can name a version folder.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "market/Catalogue.h"
#include "market/NetworkNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const market::CatalogueEntry& entry : market::scanCatalogue(text)) {
        if (!market::isSafePathElement(entry.id)) std::abort();
        market::CatalogueDetails details = market::detailsOfLine(market::catalogueLine(entry));
        (void)details;
    }
    return 0;
}
