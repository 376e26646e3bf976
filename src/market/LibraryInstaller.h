#pragma once
#include <functional>
#include <string>

#include "context/GameFolders.h"
#include "context/ServiceHosts.h"
#include "launch/ClassPath.h"
#include "launch/MakeArgs.h"
#include "market/DownloadSource.h"
#include "market/InstallPlan.h"

namespace market {

// One jar the class path takes, as the library scan finds it.
struct ScannedJar {
    std::string coordinate;
    std::string classifier;  // "" for the plain jar; "${arch}" already read
    std::string folder;      // on disk, no trailing separator
    std::string name;        // the jar's file name
    std::string mirrorPath;  // below the mirror's "/libraries/", with "\" separators
};

// The jars of the scan of a version text, for every library its native jars (both widths
// when the classifier holds "${arch}", "32" first) and its plain jar, each only when the
// library's folder holds no file and the jar is missing. Libraries whose coordinate would
// leave the libraries folder are skipped.
std::vector<ScannedJar> missingScannedJars(const std::string& versionText,
                                           const GameFolders& folders,
                                           const FolderProbe& folderHoldsFile,
                                           const FileProbe& fileExists);

// The mirror's tasks for those jars, from "/libraries/" + their mirror path.
InstallPlan libraryInstallPlan(const std::string& versionText, const GameFolders& folders,
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

// Queues the missing libraries of the version `versionId` from its `files` as the launch read
// them: nothing is read again, so the check and the launch see the same description.
LibraryCheckOutcome QueueMissingLibraries(InstallPipeline& pipeline, const std::string& versionId,
                                          const VersionFiles& files, const DownloadSource& source);

}  // namespace market
