#include "launch/ClassPath.h"

#include "context/GameFolders.h"
#include "launch/LibraryPath.h"
#include "launch/VersionText.h"
#include "platform/FileList.h"
#include "platform/Machine.h"
#include "platform/TextFile.h"

bool IsWow64() {
    // Where no 32-bit emulation layer can be asked, the width of the system itself decides.
    return platform::isOperatingSystem64Bit();
}

bool folderHasFile(const std::string& folder) {
    return !platform::listFiles(folder).empty();
}

std::string gameJarPath(const std::string& jsonPath) {
    std::string jar = jsonPath;
    for (size_t at = jar.find(".json"); at != std::string::npos; at = jar.find(".json", at + 4))
        jar.replace(at, 5, ".jar");
    return jar;
}

std::string classPathFromText(const std::string& versionText, const std::string& gameJar,
                              const std::string& libraryRoot, platform::PathStyle style,
                              const std::string& archDigits, const FolderProbe& probe) {
    std::string result = "-cp \"";
    for (const Library& entry : scanLibraries(versionText)) {
        std::optional<LibraryCoordinate> library =
            splitCoordinate(std::string(entry.coordinate), style);
        if (!library) continue;
        std::string folder = libraryFolderOf(libraryRoot, *library, style);
        if (!probe(folder)) continue;
        if (entry.nativeClassifier) {
            result += folder + jarName(*library, replaceArch(*entry.nativeClassifier, archDigits));
            result += style.classPathSeparator;
        }
        result += folder + jarName(*library);
        result += style.classPathSeparator;
    }
    return result + gameJar + "\"";
}

std::string MakeClassPath(const std::string& jsonPath, const std::string& launcherFolder,
                          platform::PathStyle style) {
    return MakeClassPath(jsonPath, readVersionText(jsonPath).value_or(""), launcherFolder, style);
}

std::string MakeClassPath(const std::string& jsonPath, const std::string& versionText,
                          const std::string& launcherFolder, platform::PathStyle style) {
    const GameFolders folders(launcherFolder, style);
    std::string libraryRoot = folders.libraries() + style.separator;
    std::string result = classPathFromText(versionText, gameJarPath(jsonPath), libraryRoot, style,
                                           IsWow64() ? "64" : "32", folderHasFile);
    // libs.txt is only a copy for the player to look at; a failed write changes nothing.
    (void)platform::writeTextLines(folders.inLauncherFolder("libs.txt"), {result});
    return result;
}
