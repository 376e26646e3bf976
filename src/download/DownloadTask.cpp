#include "download/DownloadTask.h"

#include <algorithm>

namespace download {

std::string makeDownloadTask(const std::string& url, const std::string& destination) {
    return url + std::string(kDownloadToMarker) + destination;
}

std::string slashedUrl(std::string url) {
    std::replace(url.begin(), url.end(), '\\', '/');
    return url;
}

std::string withoutTrailingSeparator(std::string folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

}  // namespace download
