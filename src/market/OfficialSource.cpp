#include "market/OfficialSource.h"

#include "market/CurrentLibraryPlan.h"

#include <set>

#include "download/DownloadUrl.h"
#include "download/HttpGetText.h"
#include "launch/VersionJson.h"
#include "market/LibraryInstaller.h"
#include "market/NetworkNames.h"
#include "market/OfficialNatives.h"
#include "platform/FileList.h"
#include "platform/Sha1.h"
#include "platform/TextFile.h"
#include "platform/Zip.h"

namespace market {

namespace {

QueueEntry entryOf(const DownloadItem& item, const std::string& folder, const std::string& name) {
    QueueEntry entry;
    entry.url = item.url;
    entry.folder = folder;
    if (!item.sha1.empty()) entry.sha1 = item.sha1;
    // The documents' addresses are followed exactly as they are written.
    entry.keepUrlAsWritten = true;
    entry.tolerantFraming = true;
    if (download::lastUrlElement(item.url) != name) entry.saveAs = name;
    return entry;
}

platform::Result<launch::VersionJson> readInstalledVersion(const std::string& id,
                                                           const GameFolders& folders) {
    const std::string path = folders.versionJson(id);
    platform::Result<std::string> text = platform::readFileBytes(path);
    if (!text)
        return platform::Failure{"版本 " + id + " 尚未安装（没有 " + path +
                                 "）：资源索引写在版本的 JSON 中，请先下载这个版本"};
    platform::Result<launch::VersionJson> version = launch::parseVersionJson(*text);
    if (!version) return platform::Failure{"无法读取 " + path + "：" + version.reason()};
    return version;
}

// Queues every item whose file is missing, each path once.
InstallPlan missingItemsPlan(const std::vector<DownloadItem>& items, const GameFolders& folders,
                             const FileProbe& fileExists) {
    InstallPlan plan;
    std::set<std::string> seen;
    for (const DownloadItem& item : items) {
        if (!seen.insert(item.path).second) continue;
        if (fileExists(folders.inGameFolder(item.path))) continue;
        plan.push_back(officialTask(item, folders));
    }
    return plan;
}

bool existingFile(const std::string& path) {
    return platform::isExistingFile(path);
}

}  // namespace

PlannedTask officialTask(const DownloadItem& item, const GameFolders& folders) {
    const size_t slash = item.path.rfind('/');
    const std::string folder = folders.inGameFolder(item.path.substr(0, slash));
    return {folder, entryOf(item, folder, item.path.substr(slash + 1))};
}

platform::Result<void> checkDocumentSha1(const std::string& text, const std::string& sha1,
                                         const std::string& what) {
    if (sha1.empty()) return {};
    std::string actual = platform::sha1Hex(text);
    if (actual != sha1)
        return platform::Failure{what + " 的内容与其 SHA-1 不符（应为 " + sha1 + "，实际为 " +
                                 actual + "）"};
    return {};
}

std::string OfficialSource::label() const {
    return "下载源：官方";
}

Catalogue OfficialSource::loadCatalogue(platform::HttpClient& http,
                                        const std::function<void()>& perEntry) {
    listed_.clear();
    platform::Result<std::string> text = download::fetchDocument(http, hosts_.manifest);
    if (!text) return {{}, "无法获取版本列表：" + text.reason()};
    platform::Result<Manifest> manifest = readManifest(text.value());
    if (!manifest) return {{}, "无法读取版本列表 " + hosts_.manifest + "：" + manifest.reason()};
    Catalogue catalogue;
    for (const ManifestEntry& entry : manifest->entries) {
        listed_.emplace(entry.id, entry);
        catalogue.entries.push_back({entry.id, catalogueTypeText(entry.type)});
        if (perEntry) perEntry();
    }
    if (manifest->refused > 0)
        catalogue.failure = "版本列表中有 " + std::to_string(manifest->refused) +
                            " 个版本无法安全安装，已略过：" + manifest->firstRefusal;
    else if (catalogue.entries.empty())
        catalogue.failure = "版本列表是空的：" + hosts_.manifest + " 中没有版本";
    return catalogue;
}

platform::Result<InstallPlan> OfficialSource::versionPlan(platform::HttpClient& http,
                                                          const std::string& id,
                                                          const GameFolders& folders) {
    auto listed = listed_.find(id);
    if (listed == listed_.end()) return platform::Failure{"版本 " + id + " 不在官方版本列表中"};
    const ManifestEntry& entry = listed->second;
    // The jar's address is in the JSON: read it now, the queue fetches both files.
    platform::Result<std::string> text = download::fetchDocument(http, entry.url);
    if (!text) return platform::Failure{"无法获取版本 " + id + " 的 JSON：" + text.reason()};
    platform::Result<void> intact = checkDocumentSha1(text.value(), entry.sha1, entry.url);
    if (!intact) return platform::Failure{intact.reason()};
    platform::Result<launch::VersionJson> version = launch::parseVersionJson(text.value());
    if (!version) return platform::Failure{"无法读取版本 " + id + " 的 JSON：" + version.reason()};
    if (version->id != id)
        return platform::Failure{"版本 " + id + " 的 JSON 写的是另一个版本：" + version->id};
    platform::Result<DownloadItem> jar = clientJarItem(version.value());
    if (!jar) return platform::Failure{jar.reason()};
    return InstallPlan{officialTask(jar.value(), folders),
                       officialTask(versionJsonItem(entry), folders)};
}

platform::Result<InstallPlan> OfficialSource::libraryPlan(const std::string& versionText,
                                                          const GameFolders& folders,
                                                          const FolderProbe& folderHoldsFile,
                                                          const FileProbe& fileExists) const {
    platform::Result<launch::VersionJson> version = launch::parseVersionJson(versionText);
    if (!version) return platform::Failure{"无法读取版本 JSON：" + version.reason()};
    if (version->hasArgumentsBlock()) {
        // The current format's class path: the libraries its rules allow here.
        auto plain = libraryItems(version.value(), system_, hosts_.libraries);
        auto natives = nativeJarItems(version.value(), system_, hosts_.libraries);
        if (!plain) return platform::Failure{plain.reason()};
        if (!natives) return platform::Failure{natives.reason()};
        std::vector<DownloadItem> items = std::move(plain).value();
        items.insert(items.end(), natives->begin(), natives->end());
        return missingItemsPlan(items, folders, fileExists);
    }
    InstallPlan plan;
    for (const ScannedJar& jar :
         missingScannedJars(versionText, folders, folderHoldsFile, fileExists)) {
        platform::Result<DownloadItem> item =
            libraryFileItem(version.value(), jar.coordinate, jar.classifier, hosts_.libraries);
        if (!item) return platform::Failure{item.reason()};
        // Saved where the class path looks for it, whatever path the JSON names.
        plan.push_back({jar.folder, entryOf(item.value(), jar.folder, jar.name)});
    }
    return plan;
}

platform::Result<InstallPlan> OfficialSource::nativePlan(const std::string& nativeFolder,
                                                         const std::vector<std::string>& names,
                                                         const GameFolders& folders) const {
    if (missingNatives(nativeFolder, names, folders.style()).empty()) return InstallPlan{};
    auto jars = startupNativesItems(system_, hosts_.libraries);
    if (!jars) return platform::Failure{jars.reason()};
    return missingItemsPlan(jars.value(), folders, existingFile);
}

platform::Result<void> OfficialSource::fillNativeFolder(const std::string& nativeFolder,
                                                        const std::vector<std::string>& names,
                                                        const GameFolders& folders) const {
    if (missingNatives(nativeFolder, names, folders.style()).empty()) return {};
    auto jars = startupNativesItems(system_, hosts_.libraries);
    if (!jars) return platform::Failure{jars.reason()};
    for (const DownloadItem& jar : jars.value()) {
        // A jar that did not arrive has had its download failure shown already.
        if (!platform::isExistingFile(folders.inGameFolder(jar.path))) return {};
    }
    auto wanted = [](const std::string& name) { return !name.starts_with("META-INF/"); };
    for (const DownloadItem& jar : jars.value()) {
        const std::string path = folders.inGameFolder(jar.path);
        auto written = platform::extractZip(path, nativeFolder, wanted);
        if (!written)
            return platform::Failure{"无法从 " + path + " 取出本地库：" + written.reason()};
    }
    std::vector<std::string> missing = missingNatives(nativeFolder, names, folders.style());
    if (missing.empty()) return {};
    std::string list;
    for (const std::string& name : missing)
        list += (list.empty() ? "" : "、") + name;
    return platform::Failure{"本地库仍然缺失：" + list};
}

platform::Result<AssetWork> OfficialSource::assetWork(platform::HttpClient& http,
                                                      const std::string& id,
                                                      const GameFolders& folders) {
    platform::Result<launch::VersionJson> version = readInstalledVersion(id, folders);
    if (!version) return platform::Failure{version.reason()};
    platform::Result<DownloadItem> indexItem = assetIndexItem(version.value());
    if (!indexItem) return platform::Failure{indexItem.reason()};
    platform::Result<std::string> text = download::fetchDocument(http, indexItem->url);
    if (!text) return platform::Failure{"无法获取资源索引：" + text.reason()};
    platform::Result<void> intact =
        checkDocumentSha1(text.value(), indexItem->sha1, indexItem->url);
    if (!intact) return platform::Failure{intact.reason()};
    platform::Result<AssetIndexDocument> index = readAssetIndex(text.value());
    if (!index)
        return platform::Failure{"无法读取资源索引 " + indexItem->url + "：" + index.reason()};
    // The game reads the index from disk: it is kept as fetched.
    platform::Result<void> folder = ensureFolder(folders.assetIndexes());
    if (!folder) return platform::Failure{folder.reason()};
    platform::Result<void> saved =
        platform::writeFileAtomically(folders.inGameFolder(indexItem->path), text.value());
    if (!saved) return platform::Failure{"无法保存资源索引：" + saved.reason()};
    return AssetWork{
        missingItemsPlan(assetObjectItems(index.value(), hosts_.resources), folders, existingFile),
        0};
}

platform::Result<InstallPlan> OfficialSource::currentLibraryPlan(const LibraryFiles& files,
                                                                 const GameFolders& folders) const {
    InstallPlan plan = currentFormatLibraryPlan(files, folders, [this](const LibraryFile& jar) {
        return jar.url.empty() ? hosts_.libraries + "/" + jar.path : jar.url;
    });
    for (PlannedTask& task : plan)
        task.entry.tolerantFraming = true;
    return plan;
}

}  // namespace market
