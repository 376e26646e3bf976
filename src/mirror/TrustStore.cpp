#include "mirror/TrustStore.h"

#include <curl/curl.h>

#include <memory>

#include "platform/TextFile.h"

namespace mirror {
namespace {

// The bundle libcurl was built to read; empty when it names none.
std::string defaultBundlePath() {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> easy(curl_easy_init(), curl_easy_cleanup);
    char* path = nullptr;
    if (!easy || curl_easy_getinfo(easy.get(), CURLINFO_CAINFO, &path) != CURLE_OK || !path)
        return {};
    return path;
}

}  // namespace

platform::Result<std::string> trustStoreWith(const std::string& caFile) {
    std::optional<std::string> added = platform::readFileBytes(caFile);
    if (!added) return platform::Failure{"无法读取证书文件“" + caFile + "”"};
    if (added->find("-----BEGIN CERTIFICATE-----") == std::string::npos)
        return platform::Failure{"证书文件“" + caFile + "”里没有 PEM 格式的证书"};
    std::string store = platform::readFileBytes(defaultBundlePath()).value_or("");
    return store + "\n" + *added;
}

}  // namespace mirror
