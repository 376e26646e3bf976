#include "launch/CurrentFormatArgs.h"

#include "platform/CommandLine.h"

std::vector<std::string> allowedArguments(const std::vector<launch::Argument>& list,
                                          const launch::SystemInfo& system) {
    std::vector<std::string> allowed;
    for (const launch::Argument& argument : list) {
        if (launch::rulesAllow(argument.rules, system))
            allowed.insert(allowed.end(), argument.values.begin(), argument.values.end());
    }
    return allowed;
}

std::string currentClassPath(const LibraryFiles& files, const MergedVersion& version,
                             const GameFolders& folders) {
    const platform::PathStyle style = folders.style();
    std::string classPath;
    for (const LibraryFile& jar : files.classPath)
        classPath +=
            libraryFileOnDisk(folders.libraries(), jar.path, style) + style.classPathSeparator;
    return classPath + folders.versionJar(version.jarId);
}

PlaceholderTable currentFormatPlaceholders(const LaunchValues& values, const MergedVersion& version,
                                           const GameFolders& folders,
                                           const std::string& classPath) {
    const bool signedIn = !values.accessToken.empty() && !values.uuid.empty();
    const std::string offline = offlinePlayerUuid(values.userName);
    const std::string uuid = signedIn ? values.uuid : offline;
    const std::string token = signedIn ? values.accessToken : offline;
    return {
        {"auth_player_name", values.userName},
        {"version_name", version.id},
        {"version_type", version.type},
        {"game_directory", values.gameDir},
        {"assets_root", values.assetsDir},
        {"game_assets", values.assetsDir},
        {"assets_index_name", version.assetIndex ? version.assetIndex->id : version.assets},
        {"auth_uuid", uuid},
        {"auth_access_token", token},
        {"auth_session", signedIn ? "token:" + token + ":" + uuid : token},
        {"user_type", signedIn ? "mojang" : "legacy"},
        {"user_properties", "{}"},
        {"natives_directory", folders.versionNatives(version.id)},
        {"library_directory", folders.libraries()},
        {"classpath_separator", std::string(1, folders.style().classPathSeparator)},
        {"classpath", classPath},
        {"launcher_name", "Vendrolupa"},
        {"launcher_version", values.launcherVersion},
    };
}

std::vector<std::string> currentFormatArguments(const LaunchValues& values,
                                                const MergedVersion& version,
                                                const GameFolders& folders,
                                                const LibrarySystem& system) {
    const LibraryFiles files = libraryFiles(version, system);
    const PlaceholderTable table = currentFormatPlaceholders(
        values, version, folders, currentClassPath(files, version, folders));
    std::vector<std::string> arguments = {"-Xmx" + std::to_string(values.memoryMb) + "m"};
    for (std::string& jvm : fillArgumentList(allowedArguments(version.jvm, system.rules), table))
        arguments.push_back(std::move(jvm));
    arguments.push_back(version.mainClass);
    for (std::string& game : fillArgumentList(allowedArguments(version.game, system.rules), table))
        arguments.push_back(std::move(game));
    return arguments;
}

void addCurrentFormatArgs(LaunchArgs& args, const LaunchValues& values,
                          const MergedVersion& version, const GameFolders& folders,
                          const LibrarySystem& system) {
    args.clear();
    for (const std::string& argument : currentFormatArguments(values, version, folders, system))
        args.AddArg(platform::commandLineWord(argument));
}
