#include "download/DownloadUrl.h"

#include <cctype>
#include <vector>

#include "platform/AsciiText.h"

namespace download {
namespace {

constexpr std::string_view kScheme = "http://";
constexpr std::string_view kSecureScheme = "https://";

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
    return platform::lowerAscii(text.substr(0, prefix.size())) == prefix;
}

std::optional<uint16_t> parsePort(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return std::nullopt;
    return static_cast<uint16_t>(value);
}

bool isHostChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
}

// Bytes that would break the request line or the header (blanks, controls, non-ASCII)
// are sent percent-escaped; everything else goes out as written.
std::string escapeTarget(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (unsigned char c : path) {
        if (c <= 0x20 || c >= 0x7f) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// "/a/b/../c/./d" becomes "/a/c/d", as browsers resolve a relative reference.
std::string withoutDotSegments(const std::string& path) {
    std::vector<std::string> kept;
    size_t at = 1;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string::npos) end = path.size();
        std::string segment = path.substr(at, end - at);
        bool last = end == path.size();
        if (segment == "..") {
            if (!kept.empty()) kept.pop_back();
            if (last) kept.emplace_back();
        } else if (segment == ".") {
            if (last) kept.emplace_back();
        } else {
            kept.push_back(segment);
        }
        at = end + 1;
    }
    std::string out;
    for (const auto& segment : kept)
        out += "/" + segment;
    return out.empty() ? "/" : out;
}

}  // namespace

std::optional<HttpAddress> parseHttpUrl(const std::string& url) {
    if (!startsWithNoCase(url, kScheme)) return std::nullopt;
    return parseDownloadUrl(url);
}

std::optional<HttpAddress> parseDownloadUrl(const std::string& url) {
    HttpAddress address;
    address.secure = startsWithNoCase(url, kSecureScheme);
    if (!address.secure && !startsWithNoCase(url, kScheme)) return std::nullopt;
    std::string rest = url.substr(address.secure ? kSecureScheme.size() : kScheme.size());
    if (address.secure) address.port = 443;
    size_t slash = rest.find('/');
    address.hostPort = rest.substr(0, slash);
    address.path = escapeTarget(slash == std::string::npos ? "/" : rest.substr(slash));
    std::string hostPort = address.hostPort;
    size_t colon = hostPort.rfind(':');
    address.host = hostPort.substr(0, colon);
    if (colon != std::string::npos) {
        auto port = parsePort(hostPort.substr(colon + 1));
        if (!port) return std::nullopt;
        address.port = *port;
    }
    if (address.host.empty()) return std::nullopt;
    for (char c : address.host) {
        if (!isHostChar(c)) return std::nullopt;
    }
    return address;
}

std::string buildRequestText(const HttpAddress& address, bool throughProxy, bool identityOnly) {
    std::string text = "GET ";
    text += throughProxy ? "http://" + address.hostPort + address.path : address.path;
    text += " HTTP/1.1\r\n";
    text += "Host: " + address.hostPort + "\r\n";
    text += "Connection: keep-alive\r\n";
    text +=
        "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,*/*;q=0.8\r\n";
    text +=
        "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/37.0.2041.4 Safari/537.36\r\n";
    text += "Accept-Language: zh-CN,zh;q=0.8\r\n";
    if (identityOnly) text += "Accept-Encoding: identity\r\n";
    text += "\r\n";
    return text;
}

std::string resolveLocation(const std::string& currentUrl, const std::string& location) {
    // Absolute only when the scheme comes first: "/go?to=http://x" is a path.
    size_t scheme = location.find("://");
    if (scheme != std::string::npos && location.find_first_of("/?#") == scheme + 1) return location;
    bool secure = startsWithNoCase(currentUrl, kSecureScheme);
    if (location.rfind("//", 0) == 0) return (secure ? "https:" : "http:") + location;
    size_t hostStart = secure                                  ? kSecureScheme.size()
                       : startsWithNoCase(currentUrl, kScheme) ? kScheme.size()
                                                               : 0;
    size_t pathStart = currentUrl.find('/', hostStart);
    std::string origin = currentUrl.substr(0, pathStart);
    if (!location.empty() && location[0] == '/') return origin + location;
    std::string path = pathStart == std::string::npos ? "/" : currentUrl.substr(pathStart);
    path = path.substr(0, path.find_first_of("?#"));
    std::string relative = location.substr(0, location.find_first_of("?#"));
    std::string query = location.substr(relative.size());
    return origin + withoutDotSegments(path.substr(0, path.rfind('/') + 1) + relative) + query;
}

std::string lastUrlElement(const std::string& url) {
    size_t slash = url.rfind('/');
    return slash == std::string::npos ? url : url.substr(slash + 1);
}

std::optional<std::pair<std::string, uint16_t>> parseProxyAddress(const std::string& address) {
    size_t colon = address.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    auto port = parsePort(address.substr(colon + 1));
    if (!port) return std::nullopt;
    return std::make_pair(address.substr(0, colon), *port);
}

}  // namespace download
