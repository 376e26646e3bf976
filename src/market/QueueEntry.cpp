#include "market/QueueEntry.h"

#include "download/DownloadTask.h"
#include "download/DownloadUrl.h"

namespace market {

std::string QueueEntry::listText() const {
    return download::makeDownloadTask(url, folder);
}

std::string requestUrl(const QueueEntry& entry) {
    return entry.keepUrlAsWritten ? entry.url : download::slashedUrl(entry.url);
}

std::string downloadedPath(const QueueEntry& entry, platform::PathStyle style) {
    return download::withoutTrailingSeparator(entry.folder) + style.separator +
           download::lastUrlElement(requestUrl(entry));
}

}  // namespace market
