#include "market/AssetIndex.h"

#include <charconv>

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

double minorNumberValue(std::string_view id) {
    size_t dot = id.find('.');
    std::string_view minor = dot == std::string_view::npos ? id : id.substr(dot + 1);
    size_t length = 0;
    bool pointSeen = false;
    for (; length < minor.size(); ++length) {
        char c = minor[length];
        if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else if (c < '0' || c > '9') {
            break;
        }
    }
    double value = 0;
    std::from_chars(minor.data(), minor.data() + length, value);
    return value;
}

bool isSnapshotId(std::string_view id) {
    // Characters, not bytes: a continuation byte of UTF-8 starts no character.
    size_t characters = 0;
    size_t third = std::string_view::npos;
    for (size_t i = 0; i < id.size(); ++i) {
        if ((static_cast<unsigned char>(id[i]) & 0xc0) == 0x80) continue;
        if (++characters == 3) third = i;
    }
    return characters == 6 && id[third] == 'w';
}

AssetPath chooseAssetPath(std::string_view id) {
    if (minorNumberValue(id) > kLastLegacyMinor) return AssetPath::SharedIndex;
    if (isSnapshotId(id)) return AssetPath::PerVersion;
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
