#pragma once
#include <string>
#include <string_view>

namespace download {

// The marker between the URL and the destination folder of a queued download.
inline constexpr std::string_view kDownloadToMarker = "[下载到]";

// url + "[下载到]" + destination.
std::string makeDownloadTask(const std::string& url, const std::string& destination);

// `url` with every "\" turned into "/", as hosts that write Windows paths into URLs need.
std::string slashedUrl(std::string url);

// `folder` without one trailing "\" or "/": the download control saves into that folder.
std::string withoutTrailingSeparator(std::string folder);

}  // namespace download
