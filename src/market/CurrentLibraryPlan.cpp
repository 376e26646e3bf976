#include "market/CurrentLibraryPlan.h"

#include <set>

#include "market/NetworkNames.h"
#include "platform/AsciiText.h"
#include "platform/FileList.h"

namespace market {

InstallPlan currentFormatLibraryPlan(const LibraryFiles& files, const GameFolders& folders,
                                     const std::function<std::string(const LibraryFile&)>& urlOf) {
    std::vector<const LibraryFile*> jars;
    for (const LibraryFile& jar : files.classPath)
        jars.push_back(&jar);
    for (const LibraryFiles::Natives& natives : files.natives)
        jars.push_back(&natives.file);

    InstallPlan plan;
    std::set<std::string> planned;
    const char separator = folders.style().separator;
    for (const LibraryFile* jar : jars) {
        if (!planned.insert(jar->path).second) continue;
        const std::string local =
            libraryFileOnDisk(folders.libraries(), jar->path, folders.style());
        if (platform::isExistingFile(local)) continue;
        std::string folder = local.substr(0, local.rfind(separator));
        QueueEntry entry{urlOf(*jar), folder};
        // A SHA-1 that is not one (a hand-written profile) is no check at all.
        if (isHexDigits(jar->sha1, 40)) entry.sha1 = platform::lowerAscii(jar->sha1);
        plan.push_back({folder, entry});
    }
    return plan;
}

InstallPlan currentFormatLibraryPlan(const LibraryFiles& files, const GameFolders& folders,
                                     const ServiceHosts& hosts) {
    return currentFormatLibraryPlan(files, folders, [&hosts](const LibraryFile& jar) {
        return hosts.mirror + "/libraries/" + jar.path;
    });
}

}  // namespace market
