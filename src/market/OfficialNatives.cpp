#include "market/OfficialNatives.h"

namespace market {

std::vector<NativesJar> startupNativesJars(const launch::SystemInfo& system) {
    std::vector<NativesJar> jars = {
        {"org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209", "natives-" + system.osName},
        {"net.java.jinput:jinput-platform:2.0.5", "natives-" + system.osName},
    };
    // The streaming libraries exist for Windows only, one jar per width.
    if (system.osName == "windows") {
        const std::string streaming = system.is64Bit ? "natives-windows-64" : "natives-windows-32";
        jars.push_back({"tv.twitch:twitch-platform:6.5", streaming});
        jars.push_back({"tv.twitch:twitch-external-platform:4.5", streaming});
    }
    return jars;
}

platform::Result<std::vector<DownloadItem>> startupNativesItems(const launch::SystemInfo& system,
                                                                const std::string& librariesHost) {
    std::vector<DownloadItem> items;
    const launch::VersionJson noDocument;
    for (const NativesJar& jar : startupNativesJars(system)) {
        platform::Result<DownloadItem> item =
            libraryFileItem(noDocument, jar.name, jar.classifier, librariesHost);
        if (!item) return platform::Failure{item.reason()};
        items.push_back(std::move(item).value());
    }
    return items;
}

}  // namespace market
