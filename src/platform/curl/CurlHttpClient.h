#pragma once
#include "platform/HttpClient.h"

namespace platform {

// HttpClient over libcurl's easy interface.
class CurlHttpClient final : public HttpClient {
  public:
    CurlHttpClient();
    ~CurlHttpClient() override;
    Result<HttpAnswer> get(const std::string& url, const HttpTimeouts& timeouts) override;
    Result<HttpAnswer> postJson(const std::string& url, const std::string& body,
                                const HttpTimeouts& timeouts) override;
};

}  // namespace platform
