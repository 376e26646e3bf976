#include "mirror/Sync.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "context/ServiceHosts.h"
#include "download/TempFile.h"
#include "launch/VersionJson.h"
#include "launch/VersionText.h"
#include "market/NativeInstaller.h"
#include "market/OfficialFiles.h"
#include "market/OfficialManifest.h"
#include "market/OfficialNatives.h"
#include "mirror/AssetTree.h"
#include "mirror/CatalogueText.h"
#include "mirror/TreeFiles.h"
#include "mirror/TreeLayout.h"
#include "mirror/VersionFacts.h"
#include "platform/AsciiText.h"
#include "platform/FileList.h"
#include "platform/TextFile.h"
#include "platform/Zip.h"

namespace mirror {
namespace {

using launch::SystemInfo;
using market::DownloadItem;

// The mirror's own notes beside the tree (documents as published); nginx never serves them.
constexpr std::string_view kStateFolder = ".vendrolupa-mirror";

// The systems whose files the tree holds: every library either width of Windows or Linux
// asks for.
const std::vector<SystemInfo>& targetSystems() {
    static const std::vector<SystemInfo> kSystems = {{"windows", false, "", ""},
                                                     {"windows", true, "", ""},
                                                     {"linux", false, "", ""},
                                                     {"linux", true, "", ""}};
    return kSystems;
}

// The systems the start-up native tables are taken for; the Windows table names the
// streaming libraries once, and 64-bit systems are what players have.
const std::vector<std::pair<SystemInfo, platform::PathStyle>>& nativeSystems() {
    static const std::vector<std::pair<SystemInfo, platform::PathStyle>> kSystems = {
        {{"windows", true, "", ""}, platform::PathStyle::windows()},
        {{"linux", true, "", ""}, platform::PathStyle::posix()}};
    return kSystems;
}

// An empty zip archive: the end-of-directory record alone.
const std::string& emptyJar() {
    static const std::string kEmpty = std::string("PK\x05\x06", 4) + std::string(18, '\0');
    return kEmpty;
}

class Syncer {
  public:
    explicit Syncer(const SyncRequest& request) : request_(request), tree_(request.out) {
        ServiceHosts official;
        manifestUrl_ = request.manifestUrl.empty() ? official.manifest : request.manifestUrl;
        librariesHost_ = request.librariesHost.empty() ? official.libraries : request.librariesHost;
        resourcesHost_ = request.resourcesHost.empty() ? official.resources : request.resourcesHost;
    }

    SyncOutcome run() {
        std::optional<std::vector<market::ManifestEntry>> chosen = chooseVersions();
        if (!chosen) return outcome_;
        std::vector<std::pair<std::string, launch::VersionJson>> versions = versionJsons(*chosen);
        gatherFiles(versions);
        fetch(items_);
        // Nothing after this point adds or removes a version's JSON or jar.
        std::vector<VersionFacts> held = heldVersions();
        platform::Result<AssetTree> plan = planAssetTree(heldAssets(held));
        if (!plan) {
            outcome_.problems.push_back(plan.reason());
        } else {
            fetch(objectItems(plan.value()));
            writeAssets(plan.value());
        }
        writeStandIns();
        extractNatives();
        writeCatalogue(*chosen, held);
        return outcome_;
    }

  private:
    std::string statePath(const std::string& relative) const {
        return tree_.path(std::string(kStateFolder) + "/" + relative);
    }

    void fetch(const std::vector<FetchItem>& items) {
        FetchReport report = fetchAll(items, request_.fetch);
        outcome_.fetched += report.fetched;
        outcome_.present += report.present;
        outcome_.bytesFetched += report.bytesFetched;
        outcome_.failures.insert(outcome_.failures.end(), report.failures.begin(),
                                 report.failures.end());
    }

    // Adds an item for the tree's `relative` path unless one is there already.
    void want(const platform::Result<std::string>& relative, const DownloadItem& item) {
        if (!relative) return outcome_.problems.push_back(relative.reason());
        if (!wanted_.insert(relative.value()).second) return;
        FetchItem fetchItem{item.url, tree_.path(relative.value()), std::nullopt, std::nullopt};
        if (!item.sha1.empty()) fetchItem.sha1 = item.sha1;
        if (item.size >= 0) fetchItem.size = static_cast<uint64_t>(item.size);
        items_.push_back(fetchItem);
    }

    void wantLibrary(const platform::Result<DownloadItem>& item) {
        if (!item) return outcome_.problems.push_back(item.reason());
        std::string_view path = item->path;
        path.remove_prefix(std::string_view("libraries/").size());
        want(TreeLayout::library(path), item.value());
    }

    void wantLibraries(const platform::Result<std::vector<DownloadItem>>& items) {
        if (!items) return outcome_.problems.push_back(items.reason());
        for (const DownloadItem& item : items.value())
            wantLibrary(item);
    }

    std::optional<std::vector<market::ManifestEntry>> chooseVersions() {
        std::string manifestPath = statePath("version_manifest_v2.json");
        download::removeIfExists(manifestPath);
        FetchReport report = fetchAll({{manifestUrl_, manifestPath, {}, {}}}, request_.fetch);
        if (!report.failures.empty()) {
            outcome_.stopped =
                "无法取得版本清单 " + manifestUrl_ + "：" + report.failures.front().reason;
            return std::nullopt;
        }
        auto manifest = market::readManifest(platform::readFileBytes(manifestPath).value_or(""));
        if (!manifest) {
            outcome_.stopped = "版本清单 " + manifestUrl_ + " 无法读取：" + manifest.reason();
            return std::nullopt;
        }
        if (manifest->refused > 0)
            outcome_.notes.push_back("版本清单里有 " + std::to_string(manifest->refused) +
                                     " 个条目被拒绝，例如：" + manifest->firstRefusal);
        std::vector<market::ManifestEntry> chosen;
        for (const market::ManifestEntry& entry : manifest->entries)
            if (request_.allReleases && entry.type == "release") chosen.push_back(entry);
        for (const std::string& id : request_.versions) {
            auto found = std::find_if(manifest->entries.begin(), manifest->entries.end(),
                                      [&](const auto& entry) { return entry.id == id; });
            if (found == manifest->entries.end()) {
                outcome_.stopped = "版本清单里没有版本“" + id + "”";
                return std::nullopt;
            }
            chosen.push_back(*found);
        }
        return chosen;
    }

    std::vector<std::pair<std::string, launch::VersionJson>> versionJsons(
        const std::vector<market::ManifestEntry>& chosen) {
        for (const market::ManifestEntry& entry : chosen)
            want(TreeLayout::versionJson(entry.id), market::versionJsonItem(entry));
        fetch(items_);
        items_.clear();
        std::vector<std::pair<std::string, launch::VersionJson>> versions;
        for (const market::ManifestEntry& entry : chosen) {
            auto path = TreeLayout::versionJson(entry.id);
            if (!path) continue;
            platform::Result<std::string> text = platform::readFileBytes(tree_.path(path.value()));
            if (!text) continue;  // its failure is reported already
            platform::Result<launch::VersionJson> version = launch::parseVersionJson(*text);
            if (!version) {
                outcome_.problems.push_back("版本 " + entry.id + " 的 JSON 无法读取：" +
                                            version.reason());
                continue;
            }
            versions.emplace_back(entry.id, std::move(version).value());
        }
        return versions;
    }

    void gatherFiles(const std::vector<std::pair<std::string, launch::VersionJson>>& versions) {
        for (const auto& [id, version] : versions) {
            auto jar = market::clientJarItem(version);
            if (jar)
                want(TreeLayout::versionJar(id), jar.value());
            else
                outcome_.problems.push_back(jar.reason());
            for (const SystemInfo& system : targetSystems()) {
                wantLibraries(market::libraryItems(version, system, librariesHost_));
                wantLibraries(market::nativeJarItems(version, system, librariesHost_));
            }
            if (!version.hasArgumentsBlock() && version.inheritsFrom.empty())
                gatherScannedLibraries(version);
            if (auto index = market::assetIndexItem(version))
                want(stateIndex(version.assetIndex->id), index.value());
        }
        for (const auto& [system, style] : nativeSystems())
            wantLibraries(market::startupNativesItems(system, librariesHost_));
    }

    // The launcher's text scan of an older JSON asks for every library whatever its rules:
    // the plain jar, and the Windows natives jar in both widths.
    void gatherScannedLibraries(const launch::VersionJson& version) {
        for (const launch::JsonLibrary& library : version.libraries) {
            auto windows = library.natives.find("windows");
            if (windows != library.natives.end()) {
                for (const char* width : {"32", "64"})
                    wantLibrary(market::libraryFileItem(version, library.name,
                                                        replaceArch(windows->second, width),
                                                        librariesHost_));
            }
            auto plain = market::libraryFileItem(version, library.name, "", librariesHost_);
            if (!library.artifact && !library.natives.empty()) {
                // The official hosts have no plain jar of a natives-only library; the launcher
                // still asks, so the tree holds an empty one instead of a missing file.
                if (plain) standIns_.insert(plain->path);
                continue;
            }
            wantLibrary(plain);
        }
    }

    platform::Result<std::string> stateIndex(const std::string& id) const {
        auto path = TreeLayout::namedIndex(id);
        if (!path) return path;
        return std::string(kStateFolder) + "/" + path.value();
    }

    // The held versions that name an index, each with its index as published.
    std::vector<VersionAssets> heldAssets(const std::vector<VersionFacts>& held) {
        std::vector<VersionAssets> assets;
        for (const VersionFacts& facts : held) {
            if (facts.assetIndexId.empty()) continue;
            auto index = stateIndex(facts.assetIndexId);
            if (!index) continue;
            platform::Result<std::string> text = platform::readFileBytes(tree_.path(index.value()));
            if (text) assets.push_back({facts.entry.id, facts.assetIndexId, text.value()});
        }
        return assets;
    }

    // The versions whose JSON and jar are in the tree, from this run and earlier ones.
    std::vector<VersionFacts> heldVersions() {
        std::vector<VersionFacts> held;
        for (const std::string& id :
             platform::listSubFolders(tree_.path("Minecraft.Download/versions"))) {
            auto json = TreeLayout::versionJson(id);
            auto jar = TreeLayout::versionJar(id);
            if (!json || !jar || !platform::isExistingFile(tree_.path(jar.value()))) continue;
            auto text = platform::readFileBytes(tree_.path(json.value()));
            if (!text) continue;
            if (auto facts = readVersionFacts(*text, id)) held.push_back(std::move(facts).value());
        }
        return held;
    }

    std::vector<FetchItem> objectItems(const AssetTree& plan) {
        items_.clear();
        market::AssetIndexDocument document;
        document.objects = plan.objects;
        for (const DownloadItem& item : market::assetObjectItems(document, resourcesHost_))
            want(TreeLayout::object(item.sha1), item);
        return items_;
    }

    void writeAssets(const AssetTree& plan) {
        for (const TreeFile& file : plan.indexes)
            if (auto written = writeTreeFile(tree_.path(file.relative), file.text); !written)
                outcome_.problems.push_back(written.reason());
        for (const market::AssetObject& resource : plan.resources) {
            std::string object = tree_.path(TreeLayout::object(resource.hash).value());
            auto target = TreeLayout::resource(resource.name);
            if (!target) {
                outcome_.problems.push_back(target.reason());
                continue;
            }
            if (!platform::isExistingFile(object)) continue;  // its failure is reported already
            if (auto placed = placeFile(object, tree_.path(target.value()), resource.hash); !placed)
                outcome_.problems.push_back(placed.reason());
        }
    }

    void writeStandIns() {
        for (const std::string& path : standIns_) {
            std::string file = tree_.path(path);
            if (platform::isExistingFile(file)) continue;
            if (auto written = writeTreeFile(file, emptyJar()); !written)
                outcome_.problems.push_back(written.reason());
        }
    }

    // The start-up tables' native libraries, at the root where the launcher's file host has
    // them, taken out of the natives jars.
    void extractNatives() {
        for (const auto& [system, style] : nativeSystems()) {
            const std::vector<std::string>& names = market::NativeLibraryNames(style);
            auto jars = market::startupNativesItems(system, librariesHost_);
            if (!jars) continue;  // reported while gathering
            for (const DownloadItem& jar : jars.value()) {
                std::string path = tree_.path(jar.path);
                if (!platform::isExistingFile(path)) continue;  // reported by the fetch
                auto extracted =
                    platform::extractZip(path, tree_.root(), [&](const std::string& n) {
                        // A hostile entry is asked for too, so such a jar is refused whole.
                        return std::find(names.begin(), names.end(), n) != names.end() ||
                               !platform::zipEntryNameIsSafe(n);
                    });
                if (!extracted)
                    outcome_.problems.push_back("无法从 " + jar.path + " 取出本地库：" +
                                                extracted.reason());
            }
        }
    }

    void writeCatalogue(const std::vector<market::ManifestEntry>& chosen,
                        const std::vector<VersionFacts>& versions) {
        std::vector<CatalogueEntry> held;
        for (const VersionFacts& facts : versions)
            held.push_back(facts.entry);
        // The manifest's order first (newest first), then earlier versions by release time.
        std::map<std::string, size_t> order;
        for (size_t i = 0; i < chosen.size(); ++i)
            order.emplace(chosen[i].id, i);
        std::stable_sort(held.begin(), held.end(), [&](const auto& a, const auto& b) {
            auto rank = [&](const CatalogueEntry& e) {
                auto found = order.find(e.id);
                return found == order.end() ? order.size() : found->second;
            };
            if (rank(a) != rank(b)) return rank(a) < rank(b);
            return a.releaseTime > b.releaseTime;
        });
        for (const CatalogueEntry& entry : held)
            outcome_.versionsHeld.push_back(entry.id);
        if (auto written = writeTreeFile(tree_.path(TreeLayout::catalogue()), catalogueText(held));
            !written)
            outcome_.problems.push_back(written.reason());
    }

    const SyncRequest& request_;
    TreeLayout tree_;
    std::string manifestUrl_;
    std::string librariesHost_;
    std::string resourcesHost_;
    std::vector<FetchItem> items_;
    std::set<std::string> wanted_;
    std::set<std::string> standIns_;
    SyncOutcome outcome_;
};

std::string mebibytes(uint64_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

}  // namespace

std::vector<std::string> versionList(std::string_view text) {
    std::vector<std::string> ids;
    for (const std::string& part : platform::splitAt(text, ','))
        if (std::string id = platform::trimmed(part); !id.empty()) ids.push_back(id);
    return ids;
}

SyncOutcome syncTree(const SyncRequest& request) {
    return Syncer(request).run();
}

std::vector<std::string> outcomeLines(const SyncOutcome& outcome) {
    if (!outcome.stopped.empty()) return {"同步没有完成：" + outcome.stopped};
    std::vector<std::string> lines = {
        "本次下载 " + std::to_string(outcome.fetched) + " 个文件（" +
            mebibytes(outcome.bytesFetched) + "），" + std::to_string(outcome.present) +
            " 个文件已在镜像中。",
        "镜像目录中的版本：" + std::to_string(outcome.versionsHeld.size()) + " 个"};
    for (const FetchFailure& failure : outcome.failures)
        lines.push_back("下载失败：" + failure.url + "：" + failure.reason);
    for (const std::string& problem : outcome.problems)
        lines.push_back("问题：" + problem);
    lines.push_back(outcome.complete() ? "镜像目录完整。"
                                       : "镜像目录不完整，请稍后重新运行 sync。");
    return lines;
}

void printProgress(const FetchProgress& progress) {
    std::fprintf(stderr, "\r文件 %zu/%zu，%s/%s   ", progress.filesDone, progress.filesTotal,
                 mebibytes(progress.bytesDone).c_str(), mebibytes(progress.bytesTotal).c_str());
    std::fflush(stderr);
}

}  // namespace mirror
