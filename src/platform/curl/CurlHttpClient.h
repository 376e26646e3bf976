#pragma once
#include <optional>
#include <string>

#include "platform/HttpClient.h"

namespace platform {

// HttpClient over libcurl's easy interface.
class CurlHttpClient final : public HttpClient {
  public:
    CurlHttpClient();
    ~CurlHttpClient() override;
    // Certificate authorities (a PEM file) trusted for https:// besides the system's; empty
    // text trusts the system's only. The file is read here, once; one that cannot be read
    // fails every https exchange.
    void setCertificateAuthorityFile(const std::string& path);
    Result<HttpAnswer> get(const std::string& url, const HttpTimeouts& timeouts) override;
    Result<HttpAnswer> postJson(const std::string& url, const std::string& body,
                                const HttpTimeouts& timeouts) override;

  private:
    // The trusted authorities as one PEM text, or why the file could not serve; none when
    // only the system's are trusted.
    std::optional<Result<std::string>> trust_;
};

}  // namespace platform
