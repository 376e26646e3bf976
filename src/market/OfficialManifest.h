#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace market {

// One version of the official version manifest: where its JSON lies and the JSON's SHA-1.
struct ManifestEntry {
    std::string id;
    std::string type;  // "release", "snapshot", "old_beta", "old_alpha" as written
    std::string url;
    std::string sha1;  // lower-case hex, empty when the manifest gives none
    bool operator==(const ManifestEntry&) const = default;
};

struct Manifest {
    std::vector<ManifestEntry> entries;  // in document order
    // Entries left out because their id cannot name a folder, their URL is no http(s)
    // address of "<id>.json" or their SHA-1 is malformed; the first reason.
    size_t refused = 0;
    std::string firstRefusal;
};

// The versions of a manifest (the v2 shape: `versions` of objects with id, type, url, sha1).
// Fails when the text is no JSON object with a `versions` array.
platform::Result<Manifest> readManifest(std::string_view text);

// Whether `url` is an http:// or https:// address with a host.
bool isWebAddress(std::string_view url);

}  // namespace market
