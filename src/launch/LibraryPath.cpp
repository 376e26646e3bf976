#include "launch/LibraryPath.h"

#include <algorithm>

std::optional<LibraryCoordinate> splitCoordinate(const std::string& coordinate,
                                                 platform::PathStyle style) {
    size_t firstColon = coordinate.find(':');
    if (firstColon == std::string::npos) return std::nullopt;
    std::string dotted = coordinate.substr(0, firstColon);
    std::replace(dotted.begin(), dotted.end(), '.', style.separator);
    dotted += coordinate.substr(firstColon);

    LibraryCoordinate library;
    library.folderPart = dotted;
    std::replace(library.folderPart.begin(), library.folderPart.end(), ':', style.separator);
    size_t artifactStart = firstColon + 1;
    size_t secondColon = dotted.find(':', artifactStart);
    if (secondColon == std::string::npos) {
        library.artifact = dotted.substr(artifactStart);
    } else {
        library.artifact = dotted.substr(artifactStart, secondColon - artifactStart);
        library.version = dotted.substr(secondColon + 1);
    }
    return library;
}

std::string libraryFolderOf(const std::string& libraryRoot, const LibraryCoordinate& library,
                            platform::PathStyle style) {
    return libraryRoot + library.folderPart + style.separator;
}

std::string jarName(const LibraryCoordinate& library, const std::string& classifier) {
    std::string name = library.artifact + "-" + library.version;
    if (!classifier.empty()) name += "-" + classifier;
    return name + ".jar";
}
