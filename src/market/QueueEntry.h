#pragma once
#include <optional>
#include <string>

#include "platform/Paths.h"

namespace market {

// One task of the market's download queue, as the installer that planned it knows it.
struct QueueEntry {
    std::string url;     // as the installer wrote it
    std::string folder;  // destination folder, as written
    std::optional<std::string>
        sha1{};                     // expected SHA-1 (40 lower-case hex) when the source knows it
    bool keepUrlAsWritten = false;  // "\" in the URL is not turned into "/"
    bool tolerantFraming = false;   // official CDNs: chunked or length-less answers are accepted

    // url + "[下载到]" + folder: the line the download list shows.
    std::string listText() const;
    bool operator==(const QueueEntry&) const = default;
};

// The address the download control is given: every "\" turned into "/" unless the entry keeps
// its URL as written.
std::string requestUrl(const QueueEntry& entry);

// The file a finished download of `entry` leaves behind when the server names none: the last
// element of its URL in its folder.
std::string downloadedPath(const QueueEntry& entry, platform::PathStyle style);

}  // namespace market
