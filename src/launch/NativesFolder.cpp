#include "launch/NativesFolder.h"

#include <filesystem>

#include "platform/Zip.h"

bool nativeEntryWanted(const std::string& name, const std::vector<std::string>& exclude) {
    if (name.starts_with("META-INF/")) return false;
    for (const std::string& prefix : exclude) {
        if (!prefix.empty() && name.starts_with(prefix)) return false;
    }
    return true;
}

platform::Result<> extractNatives(const std::vector<LibraryFiles::Natives>& natives,
                                  const std::string& librariesFolder,
                                  const std::string& nativesFolder, platform::PathStyle style) {
    if (natives.empty()) return {};
    std::error_code error;
    std::filesystem::create_directories(platform::fromUtf8Path(nativesFolder), error);
    if (error)
        return platform::Failure{"无法创建本地库文件夹 " + nativesFolder + "：" + error.message()};
    for (const LibraryFiles::Natives& jar : natives) {
        const std::string path = libraryFileOnDisk(librariesFolder, jar.file.path, style);
        auto wanted = [&](const std::string& name) { return nativeEntryWanted(name, jar.exclude); };
        platform::Result<std::vector<std::string>> written =
            platform::extractZip(path, nativesFolder, wanted);
        if (!written) return platform::Failure{"无法解压本地库 " + path + "：" + written.reason()};
    }
    return {};
}
