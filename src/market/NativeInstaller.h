#pragma once
#include <string>
#include <vector>

#include "context/ServiceHosts.h"
#include "market/DownloadSource.h"
#include "market/InstallPlan.h"
#include "platform/Paths.h"

namespace market {

// The native libraries the game needs in the shared native folder, in check order: the
// thirteen Windows DLLs, or the Linux shared objects of the same libraries.
const std::vector<std::string>& NativeLibraryNames(platform::PathStyle style);

// A task from the launcher's file host for every library of the table missing from
// `nativeFolder` (as passed, a trailing separator allowed, written in `style`).
InstallPlan nativeInstallPlan(const std::string& nativeFolder,
                              const std::vector<std::string>& names, const ServiceHosts& hosts,
                              platform::PathStyle style);

// CheckNative before the window changes: queues what the source needs to bring the missing
// libraries. With the queue still empty the window stays as it is; otherwise the caller enters
// "Native更新中", waits, starts the head when `startHead` and shows the window. A source that
// cannot plan says why and queues nothing.
QueueOutcome QueueMissingNatives(InstallPipeline& pipeline, const std::string& nativeFolder,
                                 const DownloadSource& source);

// CheckNative once the downloads are through: the source puts what arrived into the native
// folder; a failure is shown and the start-up goes on without the missing libraries.
void fillNativeFolder(InstallPipeline& pipeline, const std::string& nativeFolder,
                      const DownloadSource& source);

}  // namespace market
