#pragma once
#include "platform/HttpClient.h"

namespace platform {

// HttpClient over WinHTTP, the system's own client: no third-party library on Windows.
class WinHttpClient final : public HttpClient {
  public:
    Result<HttpAnswer> get(const std::string& url, const HttpTimeouts& timeouts) override;
    Result<HttpAnswer> postJson(const std::string& url, const std::string& body,
                                const HttpTimeouts& timeouts) override;
};

}  // namespace platform
