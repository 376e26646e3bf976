#include "market/DownloadSource.h"

#include "download/DownloadTask.h"
#include "launch/VersionRules.h"
#include "market/MirrorSource.h"
#include "market/OfficialSource.h"
#include "platform/FileList.h"

namespace market {

std::unique_ptr<DownloadSource> makeDownloadSource(const ServiceHosts& hosts) {
    if (hosts.source == DownloadSourceKind::Mirror) return std::make_unique<MirrorSource>(hosts);
    return std::make_unique<OfficialSource>(hosts, launch::SystemInfo::running());
}

std::vector<std::string> missingNatives(const std::string& nativeFolder,
                                        const std::vector<std::string>& names,
                                        platform::PathStyle style) {
    const std::string folder = download::withoutTrailingSeparator(nativeFolder) + style.separator;
    std::vector<std::string> missing;
    for (const std::string& name : names) {
        if (!platform::isExistingFile(folder + name)) missing.push_back(name);
    }
    return missing;
}

}  // namespace market
