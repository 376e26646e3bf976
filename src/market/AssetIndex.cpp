#include "market/AssetIndex.h"

#include "launch/VersionNumber.h"
#include "market/NetworkNames.h"

namespace market {

namespace {

constexpr std::string_view kKeyMarker = "    \"";
constexpr double kLastLegacyMinor = 7.9;

// Calls `onKey(key, quote)` for every key found by the marker, `quote` being the position of
// the key's closing quote.
template <class OnKey>
void scanKeys(std::string_view index, OnKey onKey) {
    // Each search starts one character behind the previous marker.
    for (size_t marker = index.find(kKeyMarker, 1); marker != std::string_view::npos;
         marker = index.find(kKeyMarker, marker + 1)) {
        size_t start = marker + kKeyMarker.size();
        size_t quote = index.find('"', start);
        if (quote == std::string_view::npos) return;
        onKey(index.substr(start, quote - start), quote);
    }
}

}  // namespace

AssetPath chooseAssetPath(std::string_view id) {
    if (minorNumberValue(id) > kLastLegacyMinor) return AssetPath::SharedIndex;
    if (isSnapshotShaped(id)) return AssetPath::PerVersion;
    return AssetPath::Legacy;
}

std::vector<std::string> scanHashKeys(std::string_view index) {
    std::vector<std::string> hashes;
    scanKeys(index, [&](std::string_view key, size_t quote) {
        if (key != "hash") return;
        // The value starts behind `": "`; its closing quote is looked for from its second
        // character on.
        size_t start = quote + 4;
        if (start + 1 > index.size()) return;
        size_t close = index.find('"', start + 1);
        if (close == std::string_view::npos) return;
        std::string_view hash = index.substr(start, close - start);
        if (isAssetHash(hash)) hashes.emplace_back(hash);
    });
    return hashes;
}

std::vector<std::string> scanNameKeys(std::string_view index) {
    std::vector<std::string> names;
    scanKeys(index, [&](std::string_view key, size_t) {
        if (key != "hash" && key != "size" && isSafeResourceName(key)) names.emplace_back(key);
    });
    return names;
}

}  // namespace market
