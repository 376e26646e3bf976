#include "market/CurrentLibraryPlan.h"

#include <set>

#include "download/DownloadTask.h"
#include "platform/FileList.h"

namespace market {

InstallPlan CurrentLibraryPlan(const LibraryFiles& files, const GameFolders& folders,
                               const ServiceHosts& hosts) {
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
        std::string local = folders.libraries();
        for (char c : "/" + jar->path)
            local += c == '/' ? separator : c;
        if (platform::isExistingFile(local)) continue;
        std::string folder = local.substr(0, local.rfind(separator));
        plan.push_back({folder, download::makeDownloadTask(
                                    hosts.mirror + "/libraries/" + jar->path, folder)});
    }
    return plan;
}

}  // namespace market
