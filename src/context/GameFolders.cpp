#include "context/GameFolders.h"

namespace {
constexpr std::string_view kGameFolderName = ".minecraft";
constexpr std::string_view kOldLayoutJarName = "minecraft.jar";
}  // namespace

GameFolders::GameFolders(std::string launcherFolder, platform::PathStyle style)
    : launcherFolder_(std::move(launcherFolder)), style_(style) {}

std::string GameFolders::join(std::string_view base, std::string_view name) const {
    std::string result(base);
    result += style_.separator;
    result += name;
    return result;
}

std::string GameFolders::root() const {
    return join(launcherFolder_, kGameFolderName);
}
std::string GameFolders::versions() const {
    return join(root(), "versions");
}

std::string GameFolders::versionFolder(std::string_view versionId) const {
    return join(versions(), versionId);
}

std::string GameFolders::versionJson(std::string_view versionId) const {
    return join(versionFolder(versionId), std::string(versionId) + ".json");
}

std::string GameFolders::versionJar(std::string_view versionId) const {
    return join(versionFolder(versionId), std::string(versionId) + ".jar");
}

std::string GameFolders::libraries() const {
    return join(root(), "libraries");
}

std::string GameFolders::native() const {
    return join(root(), style_.separator == '\\' ? "Native" : "native");
}

std::string GameFolders::assets() const {
    return join(root(), "assets");
}
std::string GameFolders::assetObjects() const {
    return join(assets(), "objects");
}
std::string GameFolders::assetIndexes() const {
    return join(assets(), "indexes");
}
std::string GameFolders::mods() const {
    return join(root(), "mods");
}

std::string GameFolders::inGameFolder(std::string_view relative) const {
    std::string path = join(root(), relative);
    for (size_t i = path.size() - relative.size(); i < path.size(); ++i) {
        if (path[i] == '/') path[i] = style_.separator;
    }
    return path;
}

std::string GameFolders::oldBin() const {
    return join(root(), "bin");
}
std::string GameFolders::oldBinJar() const {
    return join(oldBin(), kOldLayoutJarName);
}
std::string GameFolders::versionNatives(std::string_view versionId) const {
    return join(versionFolder(versionId), "natives");
}
std::string GameFolders::oldLayoutJar(std::string_view versionId) const {
    return join(versionFolder(versionId), kOldLayoutJarName);
}

std::string GameFolders::inLauncherFolder(std::string_view relative) const {
    std::string path = join(launcherFolder_, "");
    for (char c : relative)
        path += c == '\\' ? style_.separator : c;
    return path;
}

std::string GameFolders::relativeRoot() const {
    return std::string(kGameFolderName);
}
std::string GameFolders::relativeNative() const {
    return join(kGameFolderName, "native");
}
std::string GameFolders::relativeAssets() const {
    return join(kGameFolderName, "assets");
}
