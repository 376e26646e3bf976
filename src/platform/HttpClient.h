#pragma once
#include <chrono>
#include <string>

namespace platform {

struct HttpTimeouts {
    std::chrono::milliseconds resolve{20000};
    std::chrono::milliseconds connect{20000};
    std::chrono::milliseconds send{20000};
    std::chrono::milliseconds receive{20000};
};

struct HttpResponse {
    bool completed = false;  // false: no exchange (no route, refused, TLS, time-out)
    long status = 0;
    std::string body;
    std::string error;  // what went wrong when not completed
};

// Blocking HTTP exchanges on the calling thread (a test seam). Each call is a fresh request.
class HttpClient {
  public:
    virtual ~HttpClient() = default;
    virtual HttpResponse get(const std::string& url, const HttpTimeouts& timeouts) = 0;
    // POST with the header "CONTENT-TYPE: application/json" and `body` as the entity.
    virtual HttpResponse postJson(const std::string& url, const std::string& body,
                                  const HttpTimeouts& timeouts) = 0;
};

}  // namespace platform
