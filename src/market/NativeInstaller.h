#pragma once
#include <string>
#include <vector>

#include "context/ServiceHosts.h"
#include "market/InstallPlan.h"
#include "platform/Paths.h"

namespace market {

// The native libraries the game needs in the shared native folder, in check order: the
// thirteen Windows DLLs, or the Linux shared objects of the same libraries.
const std::vector<std::string>& NativeLibraryNames(platform::PathStyle style);

// A task from the launcher's file host for every library of the table missing from
// `nativeFolder` (as passed, a trailing separator allowed).
InstallPlan NativePlan(const std::string& nativeFolder, const std::vector<std::string>& names,
                       const ServiceHosts& hosts);

// CheckNative before the window changes: queues what is missing. With the queue still empty
// the window stays as it is; otherwise the caller enters "Native更新中", waits, starts the head
// when `startHead` and shows the window.
QueueOutcome QueueMissingNatives(InstallPipeline& pipeline, const std::string& nativeFolder,
                                 const ServiceHosts& hosts);

}  // namespace market
