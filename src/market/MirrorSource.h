#pragma once
#include "market/DownloadSource.h"

namespace market {

// The mirror service in its own path layout, read with the text scans: the launcher's
// behaviour before it knew the official documents, kept as it was.
class MirrorSource final : public DownloadSource {
  public:
    explicit MirrorSource(ServiceHosts hosts) : hosts_(std::move(hosts)) {}

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
};

}  // namespace market
