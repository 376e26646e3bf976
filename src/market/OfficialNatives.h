#pragma once
#include <string>
#include <vector>

#include "launch/VersionRules.h"
#include "market/OfficialFiles.h"
#include "platform/Result.h"

// The native libraries of the start-up check come from the natives jars of the libraries that
// carry them, the ones the version JSONs of the LWJGL 2 era list.
namespace market {

struct NativesJar {
    std::string name;        // library coordinate
    std::string classifier;  // for the system, "${arch}" already read
};

// The jars whose files fill the start-up check's table on `system` ("windows" or "linux").
std::vector<NativesJar> startupNativesJars(const launch::SystemInfo& system);

// Their downloads from the official library host, by the library path rule.
platform::Result<std::vector<DownloadItem>> startupNativesItems(const launch::SystemInfo& system,
                                                                const std::string& librariesHost);

}  // namespace market
