#include "mirror/FromFolder.h"

#include <algorithm>
#include <filesystem>

#include "context/GameFolders.h"
#include "market/AssetIndex.h"
#include "market/NativeInstaller.h"
#include "mirror/AssetTree.h"
#include "mirror/CatalogueText.h"
#include "mirror/TreeFiles.h"
#include "mirror/TreeLayout.h"
#include "mirror/VersionFacts.h"
#include "platform/FileList.h"
#include "platform/Sha1.h"
#include "platform/TextFile.h"

namespace mirror {
namespace {

namespace fs = std::filesystem;
using platform::Failure;
using platform::Result;

// How many missing or damaged objects are named one by one before the rest are counted.
constexpr size_t kObjectsNamed = 5;

class FolderCopier {
  public:
    FolderCopier(GameFolders folders, std::string out)
        : folders_(std::move(folders)), tree_(std::move(out)) {}

    Result<FolderCopy> run() {
        copyVersions();
        copyLibraries();
        copyNatives();
        Result<AssetTree> assets = planAssetTree(assets_);
        if (!assets) return Failure{assets.reason()};
        copyAssets(assets.value());
        std::stable_sort(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
            return a.releaseTime > b.releaseTime;  // ISO times: newest first, unknown last
        });
        if (auto written =
                writeTreeFile(tree_.path(TreeLayout::catalogue()), catalogueText(entries_));
            !written)
            return Failure{written.reason()};
        return copy_;
    }

  private:
    // Places `from` at the tree's `relative`; false (and a line in the report) on failure.
    bool place(const std::string& from, const Result<std::string>& relative) {
        if (!relative) return skip(relative.reason());
        Result<std::string> sha1 = platform::sha1OfFile(from);
        if (!sha1) return skip(sha1.reason());
        return placeKnown(from, relative, sha1.value());
    }

    // The same for a file already found to have the SHA-1 `sha1`, so it is not read again.
    bool placeKnown(const std::string& from, const Result<std::string>& relative,
                    const std::string& sha1) {
        if (!relative) return skip(relative.reason());
        Result<void> placed = placeFile(from, tree_.path(relative.value()), sha1);
        return placed ? true : skip(placed.reason());
    }

    bool skip(const std::string& reason) {
        copy_.skipped.push_back(reason);
        return false;
    }

    void copyVersions() {
        for (const std::string& id : platform::listSubFolders(folders_.versions())) {
            std::string json = folders_.versionJson(id);
            std::string jar = folders_.versionJar(id);
            if (auto safe = checkVersionId(id); !safe) {
                skip(safe.reason());
                continue;
            }
            if (!platform::isExistingFile(json) || !platform::isExistingFile(jar)) {
                skip("版本 " + id + "：缺少 " + id + ".json 或 " + id + ".jar");
                continue;
            }
            std::string text = platform::readFileBytes(json).value_or("");
            Result<VersionFacts> facts = readVersionFacts(text, id);
            if (!facts) {
                skip(facts.reason());
                continue;
            }
            if (!place(json, TreeLayout::versionJson(id)) ||
                !place(jar, TreeLayout::versionJar(id)))
                continue;
            copy_.versions++;
            entries_.push_back(facts->entry);
            if (std::optional<std::string> index = assetIndexOf(id, facts->assetIndexId))
                assets_.push_back({id, facts->assetIndexId, *index});
        }
    }

    // The version's own index as the official source saves it, else the one a launcher on
    // the mirror saved for it.
    std::optional<std::string> assetIndexOf(const std::string& id, const std::string& indexId) {
        std::string indexes = folders_.assetIndexes() + "/";
        std::vector<std::string> names;
        if (!indexId.empty()) names.push_back(indexId + ".json");
        switch (market::chooseAssetPath(id)) {
            case market::AssetPath::SharedIndex:
                names.push_back("1.8.json");
                break;
            case market::AssetPath::PerVersion:
                names.push_back(id + ".json");
                break;
            case market::AssetPath::Legacy:
                names.push_back("legacy.json");
                break;
        }
        for (const std::string& name : names)
            if (auto text = platform::readFileBytes(indexes + name)) return text.value();
        skip("版本 " + id + "：没有找到它的资源索引");
        return std::nullopt;
    }

    void copyLibraries() {
        fs::path root = platform::fromUtf8Path(folders_.libraries());
        std::error_code ec;
        for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end;
             it.increment(ec)) {
            if (!it->is_regular_file()) continue;
            std::string relative = platform::toUtf8Path(it->path().lexically_relative(root));
            if (place(platform::toUtf8Path(it->path()), TreeLayout::library(relative)))
                copy_.libraries++;
        }
    }

    void copyNatives() {
        for (auto style : {platform::PathStyle::windows(), platform::PathStyle::posix()}) {
            for (const std::string& name : market::NativeLibraryNames(style)) {
                std::string from = folders_.native() + "/" + name;
                if (platform::isExistingFile(from) && place(from, TreeLayout::rootFile(name)))
                    copy_.natives++;
            }
        }
    }

    void copyAssets(const AssetTree& assets) {
        std::vector<std::string> unusable;
        for (const market::AssetObject& object : assets.objects) {
            std::string from = storedObject(object.hash);
            if (!from.empty() && placeKnown(from, TreeLayout::object(object.hash), object.hash))
                copy_.objects++;
            else if (from.empty())
                unusable.push_back(object.name);
        }
        for (const market::AssetObject& resource : assets.resources) {
            // A launcher on the mirror keeps legacy resources by name, the official source
            // in the object store.
            std::string byName = folders_.assets() + "/" + resource.name;
            std::string from =
                matches(byName, resource.hash) ? byName : storedObject(resource.hash);
            if (!from.empty() &&
                placeKnown(from, TreeLayout::resource(resource.name), resource.hash))
                copy_.resources++;
            else if (from.empty())
                unusable.push_back(resource.name);
        }
        for (const TreeFile& file : assets.indexes)
            if (auto written = writeTreeFile(tree_.path(file.relative), file.text); !written)
                skip(written.reason());
        if (unusable.empty()) return;
        std::string line = std::to_string(unusable.size()) + " 个资源文件缺失或内容与散列值不符：";
        for (size_t i = 0; i < unusable.size() && i < kObjectsNamed; ++i)
            line += (i ? "、" : "") + unusable[i];
        if (unusable.size() > kObjectsNamed) line += " 等";
        skip(line);
    }

    // The object's file in the store when its content matches its hash, else empty text.
    std::string storedObject(const std::string& hash) {
        if (!TreeLayout::object(hash)) return {};
        std::string path = folders_.assetObjects() + "/" + hash.substr(0, 2) + "/" + hash;
        return matches(path, hash) ? path : std::string();
    }

    static bool matches(const std::string& path, const std::string& hash) {
        Result<std::string> sha1 = platform::sha1OfFile(path);
        return sha1 && sha1.value() == hash;
    }

    GameFolders folders_;
    TreeLayout tree_;
    FolderCopy copy_;
    std::vector<CatalogueEntry> entries_;
    std::vector<VersionAssets> assets_;
};

}  // namespace

Result<FolderCopy> treeFromGameFolder(const std::string& game, const std::string& out) {
    fs::path given = platform::fromUtf8Path(game);
    if (!given.has_filename()) given = given.parent_path();  // a trailing "/"
    std::error_code ec;
    std::string launcherFolder;
    if (fs::is_directory(given / ".minecraft", ec))
        launcherFolder = game;
    else if (given.filename() == ".minecraft" && fs::is_directory(given, ec))
        launcherFolder = platform::toUtf8Path(given.parent_path());
    else
        return Failure{"“" + game + "”既不是 .minecraft 文件夹，也不是装着它的文件夹"};
    return FolderCopier(GameFolders(launcherFolder, platform::PathStyle::posix()), out).run();
}

}  // namespace mirror
