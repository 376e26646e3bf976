#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "market/AssetIndex.h"
#include "market/InstallPlan.h"
#include "market/QueueEntry.h"
#include "platform/HttpClient.h"
#include "platform/Result.h"

namespace market {

inline constexpr std::string_view kNothingToUpdate = "没有资源需要更新";

// Task forms, each with the folder it fills (no trailing separator).
PlannedTask ObjectTask(const std::string& hash, const GameFolders& folders,
                       const ServiceHosts& hosts);
PlannedTask SharedIndexTask(const GameFolders& folders, const ServiceHosts& hosts);
PlannedTask VersionIndexTask(const std::string& id, const GameFolders& folders,
                             const ServiceHosts& hosts);
PlannedTask ResourceTask(const std::string& name, const GameFolders& folders,
                         const ServiceHosts& hosts);

// Where an object or a legacy resource lives.
std::string ObjectPath(const std::string& hash, const GameFolders& folders);
std::string ResourcePath(const std::string& name, const GameFolders& folders);

// The SHA-1 the file of a finished task must have: the one its source gave, or else its file
// name, when the task fills a folder of the object store with a file named by 40 hexadecimal
// digits that begin with that folder's name. nullopt for every other task.
std::optional<std::string> ExpectedObjectHash(const QueueEntry& entry, const GameFolders& folders);

// The URL of the index a path reads.
std::string IndexUrl(AssetPath path, const std::string& id, const ServiceHosts& hosts);

// The tasks for what is missing on disk, given the fetched index text.
InstallPlan AssetPlan(AssetPath path, const std::string& id, const std::string& index,
                      const GameFolders& folders, const ServiceHosts& hosts);

// PButton2: fetches the version's index, queues what is missing and starts the head when the
// queue was empty. Says "请先选择版本" without a selection, "没有资源需要更新" when the queue
// stays empty, and why when the index could not be fetched. `wait` is the legacy path's pause.
void UpdateAssets(InstallPipeline& pipeline, platform::HttpClient& http,
                  const std::vector<std::string>& ids, int selected, const ServiceHosts& hosts,
                  const std::function<void(int)>& wait);

}  // namespace market
