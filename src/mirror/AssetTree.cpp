#include "mirror/AssetTree.h"

#include <map>
#include <set>

#include "market/AssetIndex.h"
#include "mirror/IndexText.h"
#include "mirror/TreeLayout.h"

namespace mirror {

platform::Result<AssetTree> planAssetTree(const std::vector<VersionAssets>& versions) {
    AssetTree tree;
    std::vector<std::string> shared;
    std::vector<std::string> legacy;
    std::map<std::string, std::string> files;  // relative path -> text
    std::set<std::string> hashes;
    std::set<std::string> merged;
    for (const VersionAssets& version : versions) {
        platform::Result<market::AssetIndexDocument> index =
            market::readAssetIndex(version.indexText);
        if (!index)
            return platform::Failure{"版本 " + version.versionId + " 的资源索引无法读取：" +
                                     index.reason()};
        for (const market::AssetObject& object : index->objects) {
            if (hashes.insert(object.hash).second) tree.objects.push_back(object);
        }
        switch (market::chooseAssetPath(version.versionId)) {
            case market::AssetPath::SharedIndex:
                shared.push_back(version.indexText);
                break;
            case market::AssetPath::Legacy:
                legacy.push_back(version.indexText);
                break;
            case market::AssetPath::PerVersion:
                if (auto path = TreeLayout::namedIndex(version.versionId)) {
                    auto text = reindented(version.indexText);
                    if (text) files[path.value()] = text.value();
                    merged.insert(path.value());
                }
                break;
        }
        if (version.indexId.empty()) continue;
        auto own = TreeLayout::namedIndex(version.indexId);
        if (!own) return platform::Failure{own.reason()};
        if (merged.count(own.value())) continue;
        if (auto text = reindented(version.indexText)) files[own.value()] = text.value();
    }
    for (const auto& [path, parts] : {std::pair{TreeLayout::sharedIndex(), &shared},
                                      std::pair{TreeLayout::legacyIndex(), &legacy}}) {
        if (parts->empty()) continue;
        platform::Result<std::string> text = mergedIndex(*parts);
        if (!text) return platform::Failure{text.reason()};
        files[path] = text.value();
    }
    // The names come from the launcher's own scan of the written legacy index, so the tree
    // holds exactly the resources it will ask for.
    if (auto legacyText = files.find(TreeLayout::legacyIndex()); legacyText != files.end()) {
        platform::Result<market::AssetIndexDocument> written =
            market::readAssetIndex(legacyText->second);
        std::map<std::string, market::AssetObject> byName;
        for (const market::AssetObject& object : written->objects)
            byName.emplace(object.name, object);
        std::set<std::string> seen;
        for (const std::string& name : market::scanNameKeys(legacyText->second)) {
            auto object = byName.find(name);
            if (object != byName.end() && seen.insert(name).second)
                tree.resources.push_back(object->second);
        }
    }
    for (auto& [path, text] : files)
        tree.indexes.push_back({path, std::move(text)});
    return tree;
}

}  // namespace mirror
