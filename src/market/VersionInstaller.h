#pragma once
#include <string>
#include <vector>

#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "market/DownloadSource.h"
#include "market/InstallPlan.h"
#include "platform/Result.h"

namespace market {

inline constexpr std::string_view kChooseVersionFirst = "请先选择版本";

// The id of the selected catalogue entry (`selected` < 0: none), or "请先选择版本".
platform::Result<std::string> selectedVersionId(const std::vector<std::string>& ids, int selected);

// The jar from the mirror, then the JSON from the official host, both into the version's
// folder. Fails for an id that cannot name a folder.
platform::Result<InstallPlan> versionDownloadPlan(const std::string& id, const GameFolders& folders,
                                                  const ServiceHosts& hosts);

// PButton1: queues the selected version's two downloads from `source` and starts the jar when
// the queue was empty; with no selection (or an unusable id, or a source that cannot plan) it
// says why and queues nothing.
void addVersionDownload(InstallPipeline& pipeline, platform::HttpClient& http,
                        const std::vector<std::string>& ids, int selected, DownloadSource& source);

}  // namespace market
