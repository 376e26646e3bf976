#include "platform/curl/TrustStore.h"

#include <curl/curl.h>

#include <memory>

#include "platform/TextFile.h"

namespace platform {
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

Result<std::string> trustStoreWith(const std::string& caFile) {
    platform::Result<std::string> added = readFileBytes(caFile);
    if (!added) return Failure{"无法读取证书文件“" + caFile + "”"};
    if (added->find("-----BEGIN CERTIFICATE-----") == std::string::npos)
        return Failure{"证书文件“" + caFile + "”里没有 PEM 格式的证书"};
    std::string store = readFileBytes(defaultBundlePath()).value_or("");
    return store + "\n" + *added;
}

}  // namespace platform
