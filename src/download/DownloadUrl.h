#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace download {

// The pieces of an "http://" or "https://" address the engine needs to open a connection.
struct HttpAddress {
    std::string hostPort;  // host part as written, with its port when one is given
    std::string host;      // host without the port
    uint16_t port = 80;
    std::string path;     // request target, starting with "/", unsafe bytes percent-escaped
    bool secure = false;  // https: TLS, port 443 unless given
};

// Splits an "http://" URL. A URL without a "/" after the host gets the path "/". Returns
// nullopt for any other scheme, an empty or malformed host, or a bad port.
std::optional<HttpAddress> parseHttpUrl(const std::string& url);

// The same for "http://" and "https://" URLs (the download control's TLS transport).
std::optional<HttpAddress> parseDownloadUrl(const std::string& url);

// The request text sent for `url`: direct (origin-form path) or through a proxy
// (absolute form). Header lines and their order are fixed; `identityOnly` adds
// "Accept-Encoding: identity" before the blank line (CDNs compress otherwise).
std::string buildRequestText(const HttpAddress& address, bool throughProxy,
                             bool identityOnly = false);

// A Location value resolved against the URL that answered with it: absolute "http://"
// values stay as they are, "//host/..." gets the scheme, "/path" the current host, and a
// relative path the current folder.
std::string resolveLocation(const std::string& currentUrl, const std::string& location);

// The text after the last "/" of a URL (query included), empty when it ends in "/".
std::string lastUrlElement(const std::string& url);

// "ip:port" of a proxy; nullopt when either piece is missing or the port is bad.
std::optional<std::pair<std::string, uint16_t>> parseProxyAddress(const std::string& address);

}  // namespace download
