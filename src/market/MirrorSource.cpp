#include "market/MirrorSource.h"

#include "download/HttpGetText.h"
#include "market/AssetInstaller.h"
#include "market/CurrentLibraryPlan.h"
#include "market/LibraryInstaller.h"
#include "market/NativeInstaller.h"
#include "market/NetworkNames.h"
#include "market/VersionInstaller.h"

namespace market {

namespace {

constexpr int kLegacyPauseMs = 200;

}  // namespace

std::string MirrorSource::label() const {
    return "下载源：镜像 " + hostOfUrl(hosts_.mirror);
}

Catalogue MirrorSource::loadCatalogue(platform::HttpClient& http,
                                      const std::function<void()>& perEntry) {
    return fetchCatalogue(http, hosts_, perEntry);
}

platform::Result<InstallPlan> MirrorSource::versionPlan(platform::HttpClient&,
                                                        const std::string& id,
                                                        const GameFolders& folders) {
    return versionDownloadPlan(id, folders, hosts_);
}

platform::Result<InstallPlan> MirrorSource::libraryPlan(const std::string& versionText,
                                                        const GameFolders& folders,
                                                        const FolderProbe& folderHoldsFile,
                                                        const FileProbe& fileExists) const {
    return libraryInstallPlan(versionText, folders, hosts_, folderHoldsFile, fileExists);
}

platform::Result<InstallPlan> MirrorSource::nativePlan(const std::string& nativeFolder,
                                                       const std::vector<std::string>& names,
                                                       const GameFolders& folders) const {
    return nativeInstallPlan(nativeFolder, names, hosts_, folders.style());
}

platform::Result<void> MirrorSource::fillNativeFolder(const std::string&,
                                                      const std::vector<std::string>&,
                                                      const GameFolders&) const {
    // The mirror's downloads are the native libraries themselves.
    return {};
}

platform::Result<AssetWork> MirrorSource::assetWork(platform::HttpClient& http,
                                                    const std::string& id,
                                                    const GameFolders& folders) {
    AssetPath path = chooseAssetPath(id);
    std::string indexId = id;
    // An installed version that names its own index takes that one, whatever its id says.
    if (std::optional<std::string> named = namedAssetIndex(folders, id)) {
        path = AssetPath::PerVersion;
        indexId = *named;
    }
    platform::Result<std::string> index =
        download::fetchDocument(http, assetIndexUrl(path, indexId, hosts_));
    if (!index) return platform::Failure{"无法获取资源索引：" + index.reason()};
    return AssetWork{assetPlan(path, indexId, index.value(), folders, hosts_),
                     path == AssetPath::Legacy ? kLegacyPauseMs : 0};
}

platform::Result<InstallPlan> MirrorSource::currentLibraryPlan(const LibraryFiles& files,
                                                               const GameFolders& folders) const {
    return currentFormatLibraryPlan(files, folders, hosts_);
}

}  // namespace market
