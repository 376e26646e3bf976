#pragma once
#include <map>

#include "launch/VersionRules.h"
#include "market/DownloadSource.h"
#include "market/OfficialFiles.h"
#include "market/OfficialManifest.h"

namespace market {

// The game's own documents followed by the addresses they name, every file checked by the
// SHA-1 they give, for the system `system` (the running one in the launcher).
class OfficialSource final : public DownloadSource {
  public:
    OfficialSource(ServiceHosts hosts, launch::SystemInfo system)
        : hosts_(std::move(hosts)), system_(std::move(system)) {}

    std::string label() const override;
    Catalogue loadCatalogue(platform::HttpClient& http,
                            const std::function<void()>& perEntry) override;
    platform::Result<InstallPlan> versionPlan(platform::HttpClient& http, const std::string& id,
                                              const GameFolders& folders) override;
    platform::Result<InstallPlan> libraryPlan(const std::string& versionText,
                                              const GameFolders& folders,
                                              const FolderProbe& folderHoldsFile,
                                              const FileProbe& fileExists) const override;
    platform::Result<InstallPlan> currentLibraryPlan(const LibraryFiles& files,
                                                     const GameFolders& folders) const override;
    platform::Result<InstallPlan> nativePlan(const std::string& nativeFolder,
                                             const std::vector<std::string>& names,
                                             const GameFolders& folders) const override;
    platform::Result<void> fillNativeFolder(const std::string& nativeFolder,
                                            const std::vector<std::string>& names,
                                            const GameFolders& folders) const override;
    platform::Result<AssetWork> assetWork(platform::HttpClient& http, const std::string& id,
                                          const GameFolders& folders) override;

  private:
    ServiceHosts hosts_;
    launch::SystemInfo system_;
    std::map<std::string, ManifestEntry> listed_;  // the last catalogue, by id
};

// The queued download of an item: into the folder of its path, saved under its path's name.
PlannedTask officialTask(const DownloadItem& item, const GameFolders& folders);

// A fetched document checked against the SHA-1 its referrer gives (none: any text passes).
platform::Result<void> checkDocumentSha1(const std::string& text, const std::string& sha1,
                                         const std::string& what);

}  // namespace market
