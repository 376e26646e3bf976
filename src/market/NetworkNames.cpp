#include "market/NetworkNames.h"

#include <array>

#include "download/DownloadNames.h"
#include "platform/AsciiText.h"

namespace market {

bool isHexDigits(std::string_view text, size_t count) {
    if (text.size() != count) return false;
    for (char c : text) {
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex) return false;
    }
    return true;
}

bool isAssetHash(std::string_view hash) {
    return isHexDigits(hash, 40);
}

bool isSafeResourceName(std::string_view name) {
    static constexpr std::array<std::string_view, 3> kStoreFolders = {"objects", "indexes",
                                                                      "virtual"};
    std::string first = platform::lowerAscii(std::string(name.substr(0, name.find('/'))));
    for (std::string_view folder : kStoreFolders) {
        if (first == folder) return false;
    }
    return isSafeRelativeFolder(name, '/');
}

std::string hostOfUrl(std::string_view url) {
    size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) return std::string(url);
    std::string_view rest = url.substr(scheme + 3);
    return std::string(rest.substr(0, rest.find('/')));
}

}  // namespace market
