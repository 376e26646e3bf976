#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "market/AssetIndex.h"
#include "market/DownloadSource.h"
#include "market/InstallPlan.h"
#include "market/QueueEntry.h"
#include "platform/HttpClient.h"
#include "platform/Result.h"

namespace market {

inline constexpr std::string_view kNothingToUpdate = "没有资源需要更新";

// Task forms, each with the folder it fills (no trailing separator).
PlannedTask objectTask(const std::string& hash, const GameFolders& folders,
                       const ServiceHosts& hosts);
PlannedTask sharedIndexTask(const GameFolders& folders, const ServiceHosts& hosts);
PlannedTask versionIndexTask(const std::string& id, const GameFolders& folders,
                             const ServiceHosts& hosts);
PlannedTask resourceTask(const std::string& name, const GameFolders& folders,
                         const ServiceHosts& hosts);

// Where an object or a legacy resource lives.
std::string objectPath(const std::string& hash, const GameFolders& folders);
std::string resourcePath(const std::string& name, const GameFolders& folders);

// The SHA-1 the file of a finished task must have: the one its source gave, or else its file
// name, when the task fills a folder of the object store with a file named by 40 hexadecimal
// digits that begin with that folder's name. nullopt for every other task.
std::optional<std::string> expectedObjectHash(const QueueEntry& entry, const GameFolders& folders);

// The URL of the index a path reads.
std::string assetIndexUrl(AssetPath path, const std::string& id, const ServiceHosts& hosts);

// The tasks for what is missing on disk, given the fetched index text.
InstallPlan assetPlan(AssetPath path, const std::string& id, const std::string& index,
                      const GameFolders& folders, const ServiceHosts& hosts);

// The asset index an installed current-format version (or profile) names by `assetIndex` (else
// `assets`); nullopt for every other version, which keeps the index its id chooses.
std::optional<std::string> namedAssetIndex(const GameFolders& folders, const std::string& id);

// PButton2: asks `source` for the version's missing assets, queues them and starts the head when
// the queue was empty. Says "请先选择版本" without a selection, "没有资源需要更新" when the queue
// stays empty, and why when the source could not plan. `wait` takes the source's pause.
void updateAssets(InstallPipeline& pipeline, platform::HttpClient& http,
                  const std::vector<std::string>& ids, int selected, DownloadSource& source,
                  const std::function<void(int)>& wait);

}  // namespace market
