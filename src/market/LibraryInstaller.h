#pragma once
#include <functional>
#include <string>

#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "launch/ClassPath.h"
#include "market/InstallPlan.h"

namespace market {

// Whether a file exists (a test seam for the jar test).
using FileProbe = std::function<bool(const std::string& path)>;

// The library tasks of a version text: for every library of the scan, its native jars (both
// widths when the classifier holds "${arch}", "32" first) and its plain jar, each only when the
// library's folder holds no file and the jar is missing. Libraries whose coordinate would
// leave the libraries folder are skipped.
InstallPlan LibraryPlan(const std::string& versionText, const GameFolders& folders,
                        const ServiceHosts& hosts, const FolderProbe& folderHoldsFile,
                        const FileProbe& fileExists);

// What CheckLibraries does before it shows the window.
enum class LibraryCheck {
    NothingToDo,  // old single-jar layout or nothing missing: close the window and go on
    Queued,       // tasks queued: wait, start the head when `startHead`, show the window
};
struct LibraryCheckOutcome {
    LibraryCheck check = LibraryCheck::NothingToDo;
    bool startHead = false;
};

// Queues the missing libraries of the version in `versionFolder` (no trailing separator)
// named `versionId`, reading `<folder>/<id>.json` from disk.
LibraryCheckOutcome QueueMissingLibraries(InstallPipeline& pipeline,
                                          const std::string& versionFolder,
                                          const std::string& versionId, const ServiceHosts& hosts);

}  // namespace market
