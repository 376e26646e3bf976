#include "launch/LibraryFiles.h"

#include <set>

#include "download/DownloadNames.h"
#include "launch/ClassPath.h"
#include "launch/VersionText.h"
#include "platform/AsciiText.h"

namespace {

// The file of a library for `classifier` (empty: its plain jar), by its downloads block, else by
// its name under its repository.
std::optional<LibraryFile> fileOf(const launch::JsonLibrary& library,
                                  const std::string& classifier) {
    const launch::FileDownload* download = nullptr;
    if (classifier.empty()) {
        if (library.artifact) download = &*library.artifact;
    } else if (auto found = library.classifiers.find(classifier);
               found != library.classifiers.end()) {
        download = &found->second;
    }
    LibraryFile file;
    if (download && !download->path.empty()) {
        file = {download->path, download->url, download->sha1};
    } else {
        std::optional<std::string> path = pathFromName(library.name, classifier);
        if (!path) return std::nullopt;
        file.path = *path;
        if (download) {
            file.url = download->url;
            file.sha1 = download->sha1;
        } else if (!library.url.empty()) {
            file.url = library.url + (library.url.ends_with("/") ? "" : "/") + *path;
        }
    }
    if (!isSafeLibraryPath(file.path)) return std::nullopt;
    return file;
}

}  // namespace

std::optional<std::string> pathFromName(const std::string& name, const std::string& classifier) {
    std::string extension = "jar";
    std::string coordinate = name;
    if (size_t at = coordinate.find('@'); at != std::string::npos) {
        extension = coordinate.substr(at + 1);
        coordinate.resize(at);
    }
    std::vector<std::string> parts = platform::splitAt(coordinate, ':');
    if (parts.size() < 3) return std::nullopt;
    std::string group = parts[0];
    for (char& c : group) {
        if (c == '.') c = '/';
    }
    const std::string& artifact = parts[1];
    const std::string& version = parts[2];
    std::string fileName = artifact + "-" + version;
    std::string chosen = classifier.empty() && parts.size() > 3 ? parts[3] : classifier;
    if (!chosen.empty()) fileName += "-" + chosen;
    return group + "/" + artifact + "/" + version + "/" + fileName + "." + extension;
}

bool isSafeLibraryPath(const std::string& path) {
    return download::isSafeRelativeFolder(path, '/');
}

std::string libraryFileOnDisk(const std::string& librariesFolder, const std::string& path,
                              platform::PathStyle style) {
    std::string onDisk = librariesFolder;
    for (char c : "/" + path)
        onDisk += c == '/' ? style.separator : c;
    return onDisk;
}

LibrarySystem runningLibrarySystem() {
    return {launch::SystemInfo::running(), IsWow64() ? "64" : "32"};
}

LibraryFiles libraryFiles(const MergedVersion& version, const LibrarySystem& system) {
    LibraryFiles files;
    std::set<std::string> onClassPath;
    for (const launch::JsonLibrary& library : version.libraries) {
        if (!launch::rulesAllow(library.rules, system.rules)) continue;
        if (library.natives.empty()) {
            std::optional<LibraryFile> jar = fileOf(library, "");
            if (jar && onClassPath.insert(jar->path).second) files.classPath.push_back(*jar);
            continue;
        }
        auto classifier = library.natives.find(system.rules.osName);
        if (classifier == library.natives.end()) continue;
        std::optional<LibraryFile> jar =
            fileOf(library, replaceArch(classifier->second, system.archDigits));
        if (jar) files.natives.push_back({*jar, library.extractExclude});
    }
    return files;
}
