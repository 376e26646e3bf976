#pragma once
#include <functional>
#include <string>

#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "launch/LibraryFiles.h"
#include "market/InstallPlan.h"

namespace market {

// The tasks for the jars of a current-format version that are missing on disk: each from
// `urlOf(jar)` into its folder under the libraries folder, each jar once, the
// class-path jars first and the natives jars after them, each checked by the SHA-1 the JSON
// gives. The jar itself is tested, not its folder: one folder holds a library's plain jar and
// its natives jars.
InstallPlan currentFormatLibraryPlan(const LibraryFiles& files, const GameFolders& folders,
                                     const std::function<std::string(const LibraryFile&)>& urlOf);

// The mirror's: each jar from "/libraries/" + its path.
InstallPlan currentFormatLibraryPlan(const LibraryFiles& files, const GameFolders& folders,
                                     const ServiceHosts& hosts);

}  // namespace market
