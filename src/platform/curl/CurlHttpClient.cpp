#include "platform/curl/CurlHttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/AsciiText.h"
#include "platform/curl/TrustStore.h"

namespace platform {
namespace {

size_t appendBody(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

bool isHttps(const std::string& url) {
    return lowerAscii(url.substr(0, 8)) == "https://";
}

Result<HttpAnswer> perform(const std::string& url, const HttpTimeouts& timeouts,
                           const std::string* postBody,
                           const std::optional<Result<std::string>>& trust) {
    HttpAnswer response;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return Failure{"curl_easy_init failed"};
    CURL* h = curl.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &response.body);
    curl_easy_setopt(h, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, 1L);
    // Also for http://, which may redirect to https://; but only https:// needs the
    // authorities, so a bad file never stops a plain exchange.
    if (trust && trust->ok()) {
        // curl copies the bundle, which names the system's authorities as well as the
        // added ones: a file of our own would otherwise replace its built-in one.
        curl_blob blob{const_cast<char*>(trust->value().data()), trust->value().size(),
                       CURL_BLOB_COPY};
        if (curl_easy_setopt(h, CURLOPT_CAINFO_BLOB, &blob) != CURLE_OK && isHttps(url))
            return Failure{"此版本的 libcurl 不能添加证书颁发机构"};
    } else if (trust && isHttps(url)) {
        return trust->failure();
    }
    // Resolve and connect share curl's connect time-out; the whole exchange is bounded by
    // the sum of the four, and a stalled transfer by the receive time-out.
    auto connectMs = std::max(timeouts.resolve, timeouts.connect).count();
    auto totalMs = (timeouts.resolve + timeouts.connect + timeouts.send + timeouts.receive).count();
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connectMs));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(totalMs));
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(std::max<long long>(1, timeouts.receive.count() / 1000)));
    curl_slist* headers = nullptr;
    if (!postBody) {
        // The platform request object follows redirects of a GET on its own.
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(h, CURLOPT_MAXREDIRS, 20L);
    }
    if (postBody) {
        headers = curl_slist_append(headers, "CONTENT-TYPE: application/json");
        headers = curl_slist_append(headers, "Expect:");
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(h, CURLOPT_POST, 1L);
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, postBody->data());
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postBody->size()));
    }
    CURLcode rc = curl_easy_perform(h);
    curl_slist_free_all(headers);
    if (rc != CURLE_OK) return Failure{errorBuffer[0] ? errorBuffer : curl_easy_strerror(rc)};
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &response.status);
    return response;
}

}  // namespace

CurlHttpClient::CurlHttpClient() {
    curl_global_init(CURL_GLOBAL_DEFAULT);
}
CurlHttpClient::~CurlHttpClient() {
    curl_global_cleanup();
}

void CurlHttpClient::setCertificateAuthorityFile(const std::string& path) {
    trust_.reset();
    if (!path.empty()) trust_ = trustStoreWith(path);
}

Result<HttpAnswer> CurlHttpClient::get(const std::string& url, const HttpTimeouts& timeouts) {
    return perform(url, timeouts, nullptr, trust_);
}

Result<HttpAnswer> CurlHttpClient::postJson(const std::string& url, const std::string& body,
                                            const HttpTimeouts& timeouts) {
    return perform(url, timeouts, &body, trust_);
}

}  // namespace platform
