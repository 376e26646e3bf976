#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "market/OfficialFiles.h"
#include "platform/Result.h"

// The asset part of a mirror tree, worked out from the asset indexes of the versions it holds:
// which index files the launcher's asset installer reads, which objects they name and which
// legacy resources it asks for by name.
namespace mirror {

// One held version and its asset index as published.
struct VersionAssets {
    std::string versionId;
    std::string indexId;  // the version's own index name; empty when it names none
    std::string indexText;
};

struct TreeFile {
    std::string relative;
    std::string text;
    bool operator==(const TreeFile&) const = default;
};

struct AssetTree {
    std::vector<TreeFile> indexes;
    std::vector<market::AssetObject> objects;    // every object of every index, once per hash
    std::vector<market::AssetObject> resources;  // legacy resources, once per name
};

// Versions the launcher reads the shared index for are merged into "indexes/1.8.json", those
// it reads the legacy index for into the legacy index, and a snapshot-shaped id of the older
// kind gets its own "indexes/<id>.json"; every version's index is also written under its own
// name for launchers that follow the version's "assetIndex". Where two of these meet on one
// path, the merged one is kept. Fails naming the version whose index is refused (not an
// index, a malformed hash, a name that would leave the assets folder).
platform::Result<AssetTree> planAssetTree(const std::vector<VersionAssets>& versions);

}  // namespace mirror
