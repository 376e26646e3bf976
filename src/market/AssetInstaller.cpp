#include "market/AssetInstaller.h"

#include "download/DownloadUrl.h"
#include "launch/VersionChain.h"
#include "market/NetworkNames.h"
#include "market/VersionInstaller.h"
#include "platform/AsciiText.h"
#include "platform/FileList.h"

namespace market {

namespace {

std::string withSeparators(std::string path, char separator) {
    for (char& c : path) {
        if (c == '/') c = separator;
    }
    return path;
}

std::string join(const std::string& folder, const std::string& name, const GameFolders& folders) {
    return folder + folders.style().separator + name;
}

std::string objectFolder(const std::string& hash, const GameFolders& folders) {
    return join(folders.assetObjects(), hash.substr(0, 2), folders);
}

}  // namespace

std::string objectPath(const std::string& hash, const GameFolders& folders) {
    return join(objectFolder(hash, folders), hash, folders);
}

std::string resourcePath(const std::string& name, const GameFolders& folders) {
    return join(folders.assets(), withSeparators(name, folders.style().separator), folders);
}

PlannedTask objectTask(const std::string& hash, const GameFolders& folders,
                       const ServiceHosts& hosts) {
    std::string folder = objectFolder(hash, folders);
    return {folder,
            {hosts.mirror + "/assets/" + hash.substr(0, 2) + "/" + hash, folder,
             platform::lowerAscii(hash)}};
}

PlannedTask sharedIndexTask(const GameFolders& folders, const ServiceHosts& hosts) {
    return {folders.assetIndexes(),
            {assetIndexUrl(AssetPath::SharedIndex, "", hosts), folders.assetIndexes()}};
}

PlannedTask versionIndexTask(const std::string& id, const GameFolders& folders,
                             const ServiceHosts& hosts) {
    return {folders.assetIndexes(),
            {assetIndexUrl(AssetPath::PerVersion, id, hosts), folders.assetIndexes()}};
}

PlannedTask resourceTask(const std::string& name, const GameFolders& folders,
                         const ServiceHosts& hosts) {
    size_t slash = name.rfind('/');
    std::string folder = folders.assets();
    if (slash != std::string::npos)
        folder =
            join(folder, withSeparators(name.substr(0, slash), folders.style().separator), folders);
    return {folder, {hosts.mirror + "/resources/" + name, folder}};
}

std::optional<std::string> expectedObjectHash(const QueueEntry& entry, const GameFolders& folders) {
    if (entry.sha1) return entry.sha1;
    std::string hash = download::lastUrlElement(requestUrl(entry));
    if (!isAssetHash(hash)) return std::nullopt;
    std::string destination = entry.folder;
    if (!destination.empty() && destination.back() == folders.style().separator)
        destination.pop_back();
    if (destination != objectFolder(hash, folders)) return std::nullopt;
    return hash;
}

std::string assetIndexUrl(AssetPath path, const std::string& id, const ServiceHosts& hosts) {
    switch (path) {
        case AssetPath::SharedIndex:
            return hosts.mirror + "/indexes/1.8.json";
        case AssetPath::PerVersion:
            return hosts.mirror + "/indexes/" + id + ".json";
        case AssetPath::Legacy:
            break;
    }
    return hosts.official + "/Minecraft.Download/indexes/legacy.json";
}

InstallPlan assetPlan(AssetPath path, const std::string& id, const std::string& index,
                      const GameFolders& folders, const ServiceHosts& hosts) {
    InstallPlan plan;
    if (path == AssetPath::Legacy) {
        for (const std::string& name : scanNameKeys(index)) {
            if (!platform::isExistingFile(resourcePath(name, folders)))
                plan.push_back(resourceTask(name, folders, hosts));
        }
        return plan;
    }
    for (const std::string& hash : scanHashKeys(index)) {
        if (!platform::isExistingFile(objectPath(hash, folders)))
            plan.push_back(objectTask(hash, folders, hosts));
    }
    const bool shared = path == AssetPath::SharedIndex;
    if (!shared && !isSafePathElement(id)) return plan;
    std::string indexFile =
        join(folders.assetIndexes(), shared ? "1.8.json" : id + ".json", folders);
    if (!platform::isExistingFile(indexFile))
        plan.push_back(shared ? sharedIndexTask(folders, hosts)
                              : versionIndexTask(id, folders, hosts));
    return plan;
}

std::optional<std::string> namedAssetIndex(const GameFolders& folders, const std::string& id) {
    platform::Result<std::optional<MergedVersion>> current = loadCurrentFormatVersion(folders, id);
    if (!current || !current.value()) return std::nullopt;
    const MergedVersion& version = *current.value();
    std::string named = version.assetIndex ? version.assetIndex->id : version.assets;
    if (named.empty() || !isSafePathElement(named)) return std::nullopt;
    return named;
}

void updateAssets(InstallPipeline& pipeline, platform::HttpClient& http,
                  const std::vector<std::string>& ids, int selected, DownloadSource& source,
                  const std::function<void(int)>& wait) {
    platform::Result<std::string> id = selectedVersionId(ids, selected);
    if (!id) {
        pipeline.showMessage(id.reason());
        return;
    }
    platform::Result<AssetWork> work = source.assetWork(http, id.value(), pipeline.folders());
    if (!work) {
        pipeline.showMessage(work.reason());
        return;
    }
    QueueOutcome queued = QueuePlan(pipeline, work->plan);
    if (work->pauseMs > 0) wait(work->pauseMs);
    if (queued.startHead) pipeline.StartHeadTask();
    showSkipped(pipeline, queued);
    if (pipeline.empty()) pipeline.showMessage(std::string(kNothingToUpdate));
}

}  // namespace market
