#pragma once
#include <string>
#include <vector>

#include "context/GameFolders.h"
#include "launch/LaunchArgs.h"
#include "launch/LibraryFiles.h"
#include "launch/MakeArgs.h"
#include "launch/Placeholders.h"
#include "launch/VersionChain.h"

// The texts of the elements of an argument list whose rules allow them on `system`, every
// feature flag being off.
std::vector<std::string> allowedArguments(const std::vector<launch::Argument>& list,
                                          const launch::SystemInfo& system);

// The class path: the jars of `files` in order, then the game jar, joined by the system's
// class-path separator.
std::string currentClassPath(const LibraryFiles& files, const MergedVersion& version,
                             const GameFolders& folders);

// The placeholder values for starting `version` with `values`.
PlaceholderTable currentFormatPlaceholders(const LaunchValues& values, const MergedVersion& version,
                                           const GameFolders& folders,
                                           const std::string& classPath);

// What follows the Java executable, one element per argument: "-Xmx<mb>m", the JVM arguments,
// the main class, the game arguments, with the placeholders filled.
std::vector<std::string> currentFormatArguments(const LaunchValues& values,
                                                const MergedVersion& version,
                                                const GameFolders& folders,
                                                const LibrarySystem& system);

// Fills `args` with those arguments, each quoted where the Windows splitting rules need it.
void addCurrentFormatArgs(LaunchArgs& args, const LaunchValues& values,
                          const MergedVersion& version, const GameFolders& folders,
                          const LibrarySystem& system);
