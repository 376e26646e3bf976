#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "launch/VersionJson.h"
#include "launch/VersionRules.h"
#include "market/OfficialManifest.h"
#include "platform/Result.h"

// What the game's own documents say to fetch for a version, as plain items. Every function
// takes the system the files are for, never the running one, so a mirror can gather the files
// of every system. A path or address from a document that could leave its folder fails the
// whole mapping: the documents are refused rather than partly trusted.
namespace market {

struct DownloadItem {
    std::string url;
    std::string path;   // relative to the game folder, "/"-separated ("versions/1.8.9/1.8.9.jar")
    std::string sha1;   // lower-case hex, empty when the document gives none
    int64_t size = -1;  // -1 when the document gives none
    bool operator==(const DownloadItem&) const = default;
};

// The version JSON of a manifest entry: "versions/<id>/<id>.json".
DownloadItem versionJsonItem(const ManifestEntry& entry);

// The game jar of `downloads.client`: "versions/<id>/<id>.jar".
platform::Result<DownloadItem> clientJarItem(const launch::VersionJson& version);

// One library file by its coordinate and classifier ("" for the plain jar): the JSON's own
// download where it names one, else the path rule under `librariesHost` (or under the
// repository the library names). The path is "libraries/" + the library path.
platform::Result<DownloadItem> libraryFileItem(const launch::VersionJson& version,
                                               std::string_view name, std::string_view classifier,
                                               const std::string& librariesHost);

// The plain jars of the libraries the rules allow on `system`, in JSON order. A library that
// only carries natives has none.
platform::Result<std::vector<DownloadItem>> libraryItems(const launch::VersionJson& version,
                                                         const launch::SystemInfo& system,
                                                         const std::string& librariesHost);

// The natives jars for `system`: for every library the rules allow that names a classifier for
// the system's os, that classifier with "${arch}" read as the system's width.
platform::Result<std::vector<DownloadItem>> nativeJarItems(const launch::VersionJson& version,
                                                           const launch::SystemInfo& system,
                                                           const std::string& librariesHost);

// The asset index of `assetIndex`: "assets/indexes/<id>.json".
platform::Result<DownloadItem> assetIndexItem(const launch::VersionJson& version);

// One object of an asset index.
struct AssetObject {
    std::string name;  // "minecraft/sounds/ambient/cave/cave1.ogg"
    std::string hash;  // 40 lower-case hex digits
    int64_t size = -1;
    bool operator==(const AssetObject&) const = default;
};

struct AssetIndexDocument {
    std::vector<AssetObject> objects;  // in document order
    // The old layouts ("virtual" or "map_to_resources"): files are placed by name.
    bool byName = false;
};

// The objects of an asset index text. Fails on text that is no JSON object with an `objects`
// object, on a hash that is not 40 hexadecimal digits, and on a name that could leave the
// assets folder.
platform::Result<AssetIndexDocument> readAssetIndex(std::string_view text);

// Where each object goes: by hash into "assets/objects/<hh>/<hash>", or, for an index read
// by name, to "assets/<name>"; fetched from `resourcesHost` + "/<hh>/<hash>" in both cases.
std::vector<DownloadItem> assetObjectItems(const AssetIndexDocument& index,
                                           const std::string& resourcesHost);

}  // namespace market
