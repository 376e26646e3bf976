#pragma once
#include <optional>
#include <string>
#include <vector>

#include "context/GameFolders.h"
#include "launch/VersionJson.h"
#include "platform/Result.h"

// A version JSON merged with the parents it names in `inheritsFrom`: what the current-format
// launch and installers work from.
struct MergedVersion {
    std::string id;  // the version chosen (a profile's own id)
    std::string type;
    std::string mainClass;
    std::string jarId;  // the version whose folder holds the game jar
    std::string assets;
    std::optional<launch::AssetIndexReference> assetIndex;
    std::optional<int> javaMajor;
    std::vector<launch::JsonLibrary> libraries;
    // The argument lists, root first, each element with the rules that allow it.
    std::vector<launch::Argument> game;
    std::vector<launch::Argument> jvm;
};

// At most this many JSON files in one chain, the chosen one included.
inline constexpr size_t kMaxChainLength = 5;

// Merges `chain` (the chosen JSON first, its root ancestor last): libraries of the child first,
// then each parent's that the child does not list (same group, artifact and classifier);
// mainClass, assetIndex, assets, javaVersion and type from the nearest JSON that has them;
// argument lists root first; the child-most minecraftArguments split at blanks ahead of the
// game list; the root's jar unless a profile names another with "jar".
MergedVersion mergeVersionChain(const std::vector<launch::VersionJson>& chain);

// Whether the JSON takes the current-format path: it names a parent or has an arguments block.
bool isCurrentFormat(const launch::VersionJson& json);

// The chosen version read from its folder with every parent, merged. nullopt (no failure) when
// the chosen JSON is not current-format or cannot be parsed: the text scans keep such versions.
// The failure names a missing or unreadable parent, a loop, or a chain that is too long.
platform::Result<std::optional<MergedVersion>> loadCurrentFormatVersion(const GameFolders& folders,
                                                                        const std::string& id);

// The same for the chosen JSON's bytes (`chosenText`) already read; only the parents are read.
platform::Result<std::optional<MergedVersion>> loadCurrentFormatVersion(
    const GameFolders& folders, const std::string& id, const std::string& chosenText);
