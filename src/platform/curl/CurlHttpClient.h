#pragma once
#include <string>

#include "platform/HttpClient.h"

namespace platform {

// HttpClient over libcurl's easy interface.
class CurlHttpClient final : public HttpClient {
  public:
    CurlHttpClient();
    ~CurlHttpClient() override;
    // Certificate authorities (a PEM file) trusted for https:// besides the system's; empty
    // text trusts the system's only. A file that cannot be read fails every https exchange.
    void setCertificateAuthorityFile(const std::string& path) { authorityFile_ = path; }
    Result<HttpAnswer> get(const std::string& url, const HttpTimeouts& timeouts) override;
    Result<HttpAnswer> postJson(const std::string& url, const std::string& body,
                                const HttpTimeouts& timeouts) override;

  private:
    std::string authorityFile_;
};

}  // namespace platform
