#pragma once
#include <string>
#include <string_view>

#include "platform/Paths.h"

// The layout of the game folder `.minecraft` beside the launcher: the one place that knows
// where versions, libraries, native libraries, assets and mods live. Absolute paths carry no
// trailing separator; add one where a caller needs a folder prefix.
class GameFolders {
  public:
    GameFolders(std::string launcherFolder, platform::PathStyle style);

    platform::PathStyle style() const { return style_; }

    std::string root() const;
    std::string versions() const;
    std::string versionFolder(std::string_view versionId) const;
    std::string versionJson(std::string_view versionId) const;
    std::string versionJar(std::string_view versionId) const;
    std::string libraries() const;
    // Where the native libraries are installed. Windows names the folder "Native", the name the
    // installers there write (the file system ignores the case); elsewhere names are exact.
    std::string native() const;
    std::string assets() const;
    std::string assetObjects() const;
    std::string assetIndexes() const;
    std::string mods() const;
    // A path below the game folder written with "/" ("libraries/a/b.jar"), in this style.
    std::string inGameFolder(std::string_view relative) const;
    // The old single-version layout: the game files in `bin`, a version's natives in its folder.
    std::string oldBin() const;
    std::string oldBinJar() const;
    std::string versionNatives(std::string_view versionId) const;
    // The jar whose presence marks a version folder of the old single-jar layout.
    std::string oldLayoutJar(std::string_view versionId) const;

    // A file of the launcher folder itself, `relative` written with "\" ("libs.txt",
    // ".Vendrolupa_Data\config.ini"), in this style.
    std::string inLauncherFolder(std::string_view relative) const;

    // Relative to the launcher folder, as handed to the game on its command line.
    std::string relativeRoot() const;
    std::string relativeNative() const;
    std::string relativeAssets() const;

  private:
    std::string join(std::string_view base, std::string_view name) const;

    std::string launcherFolder_;
    platform::PathStyle style_;
};
