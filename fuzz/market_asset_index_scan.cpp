// Any asset index text: both key scans end, hashes are 40 hex digits and names stay inside
// the assets folder, away from its own sub-folders.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "market/AssetIndex.h"
#include "market/NetworkNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& hash : market::scanHashKeys(text)) {
        if (!market::isAssetHash(hash)) std::abort();
    }
    for (const std::string& name : market::scanNameKeys(text)) {
        if (!market::isSafeResourceName(name)) std::abort();
    }
    (void)market::chooseAssetPath(text.substr(0, 16));
    return 0;
}
