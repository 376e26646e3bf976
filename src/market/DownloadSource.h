#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "launch/ClassPath.h"
#include "launch/LibraryFiles.h"
#include "market/Catalogue.h"
#include "market/InstallPlan.h"
#include "platform/HttpClient.h"
#include "platform/Result.h"

namespace market {

// Whether a file exists (a test seam for the jar test).
using FileProbe = std::function<bool(const std::string& path)>;

// What the asset button queues, and the pause before the head starts.
struct AssetWork {
    InstallPlan plan;
    int pauseMs = 0;
};

// Where the installers take the game's files from. The installers ask it what to fetch and
// from where and never build an address themselves; the pipeline and the windows do not know
// which source planned an entry.
class DownloadSource {
  public:
    virtual ~DownloadSource() = default;

    // What the market window shows: "下载源：官方" or "下载源：镜像 <host>".
    virtual std::string label() const = 0;

    // The versions to list; the source keeps what it needs to install them later.
    virtual Catalogue loadCatalogue(platform::HttpClient& http,
                                    const std::function<void()>& perEntry) = 0;

    // The game jar, then the JSON, of a listed version, into the version's folder.
    virtual platform::Result<InstallPlan> versionPlan(platform::HttpClient& http,
                                                      const std::string& id,
                                                      const GameFolders& folders) = 0;

    // The missing library jars of the version text (the class path's libraries).
    virtual platform::Result<InstallPlan> libraryPlan(const std::string& versionText,
                                                      const GameFolders& folders,
                                                      const FolderProbe& folderHoldsFile,
                                                      const FileProbe& fileExists) const = 0;

    // The missing jars of a version with its own argument lists or a profile, as the launch
    // takes them.
    virtual platform::Result<InstallPlan> currentLibraryPlan(const LibraryFiles& files,
                                                             const GameFolders& folders) const = 0;
    // The downloads that bring the native libraries `names` missing from `nativeFolder`.
    virtual platform::Result<InstallPlan> nativePlan(const std::string& nativeFolder,
                                                     const std::vector<std::string>& names,
                                                     const GameFolders& folders) const = 0;
    // Once those downloads are through: puts what they brought into the native folder.
    virtual platform::Result<void> fillNativeFolder(const std::string& nativeFolder,
                                                    const std::vector<std::string>& names,
                                                    const GameFolders& folders) const = 0;

    // The assets of a version that are missing on disk; fetches (and keeps) the index.
    virtual platform::Result<AssetWork> assetWork(platform::HttpClient& http, const std::string& id,
                                                  const GameFolders& folders) = 0;
};

// The source `hosts` chooses.
std::unique_ptr<DownloadSource> makeDownloadSource(const ServiceHosts& hosts);

// The table names missing from `nativeFolder` (a trailing separator allowed), a folder written
// in `style`.
std::vector<std::string> missingNatives(const std::string& nativeFolder,
                                        const std::vector<std::string>& names,
                                        platform::PathStyle style);

}  // namespace market
