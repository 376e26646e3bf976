#include "market/LibraryInstaller.h"

#include "launch/LibraryPath.h"
#include "launch/VersionText.h"
#include "market/CurrentLibraryPlan.h"
#include "market/NetworkNames.h"
#include "platform/FileList.h"

namespace market {

namespace {

constexpr platform::PathStyle kUrlStyle = platform::PathStyle::windows();

// One library as the installer sees it: where it lives on disk and under the mirror.
struct LibraryPlace {
    std::string folder;     // on disk, no trailing separator
    std::string urlFolder;  // relative to "/libraries/", with "\" separators
    LibraryCoordinate local;
};

std::optional<LibraryPlace> placeOf(std::string_view coordinateText, const GameFolders& folders) {
    const std::string coordinate(coordinateText);
    std::optional<LibraryCoordinate> local = splitCoordinate(coordinate, folders.style());
    std::optional<LibraryCoordinate> remote = splitCoordinate(coordinate, kUrlStyle);
    if (!local || !remote) return std::nullopt;
    // A coordinate from the network must not climb out of the libraries folder.
    if (!isSafeRelativeFolder(local->folderPart, folders.style().separator)) return std::nullopt;
    return LibraryPlace{folders.libraries() + folders.style().separator + local->folderPart,
                        remote->folderPart, *local};
}

}  // namespace

std::vector<ScannedJar> missingScannedJars(const std::string& versionText,
                                           const GameFolders& folders,
                                           const FolderProbe& folderHoldsFile,
                                           const FileProbe& fileExists) {
    std::vector<ScannedJar> jars;
    for (const Library& library : scanLibraries(versionText)) {
        std::optional<LibraryPlace> place = placeOf(library.coordinate, folders);
        // Any file in the library's folder stands for all of the library's jars.
        if (!place || folderHoldsFile(place->folder)) continue;
        auto checkAndAdd = [&](const std::string& classifier) {
            std::string jar = jarName(place->local, classifier);
            if (!isSafePathElement(jar)) return;
            std::string path = place->folder + folders.style().separator + jar;
            if (fileExists(path)) return;
            jars.push_back({std::string(library.coordinate), classifier, place->folder, jar,
                            place->urlFolder + "\\" + jar});
        };
        if (library.nativeClassifier) {
            // Both widths when the classifier depends on one, "32" first.
            std::string narrow = replaceArch(std::string(*library.nativeClassifier), "32");
            std::string wide = replaceArch(std::string(*library.nativeClassifier), "64");
            checkAndAdd(narrow);
            if (wide != narrow) checkAndAdd(wide);
        }
        checkAndAdd("");
    }
    return jars;
}

InstallPlan libraryInstallPlan(const std::string& versionText, const GameFolders& folders,
                               const ServiceHosts& hosts, const FolderProbe& folderHoldsFile,
                               const FileProbe& fileExists) {
    InstallPlan plan;
    for (const ScannedJar& jar :
         missingScannedJars(versionText, folders, folderHoldsFile, fileExists)) {
        plan.push_back({jar.folder, {hosts.mirror + "/libraries/" + jar.mirrorPath, jar.folder}});
    }
    return plan;
}

LibraryCheckOutcome QueueMissingLibraries(InstallPipeline& pipeline, const std::string& versionId,
                                          const VersionFiles& files, const DownloadSource& source) {
    const GameFolders& folders = pipeline.folders();
    // A version of the old single-jar layout brings its libraries along.
    if (files.oldLayout) return {};
    // A broken chain of parents was reported before the launch got here.
    if (!files.current) return {};
    platform::Result<InstallPlan> plan = InstallPlan{};
    if (const std::optional<MergedVersion>& current = files.current.value()) {
        plan = source.currentLibraryPlan(libraryFiles(*current, runningLibrarySystem()), folders);
    } else {
        if (files.textStatus == ArgsStatus::VersionJsonMissing) return {};
        auto exists = [](const std::string& path) { return platform::isExistingFile(path); };
        plan = source.libraryPlan(files.text, folders, folderHasFile, exists);
    }
    if (!plan) {
        // The launch goes on: a library that could not be planned shows up as the game's error.
        pipeline.showMessage("无法安装版本 " + versionId + " 的库：" + plan.reason());
        return {};
    }
    QueueOutcome queued = QueuePlan(pipeline, plan.value());
    showSkipped(pipeline, queued);
    if (pipeline.empty()) return {};
    return {LibraryCheck::Queued, queued.startHead};
}

}  // namespace market
