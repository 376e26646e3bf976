#pragma once
#include <chrono>
#include <string>

#include "platform/Result.h"

namespace platform {

struct HttpTimeouts {
    std::chrono::milliseconds resolve{20000};
    std::chrono::milliseconds connect{20000};
    std::chrono::milliseconds send{20000};
    std::chrono::milliseconds receive{20000};
};

// The answer of a completed exchange, whatever its status.
struct HttpAnswer {
    long status = 0;
    std::string body;
};

// Blocking HTTP exchanges on the calling thread (a test seam). Each call is a fresh request.
// A failure means no exchange took place (no route, refused, TLS, time-out); its reason is
// the system's or the library's own message.
class HttpClient {
  public:
    virtual ~HttpClient() = default;
    virtual Result<HttpAnswer> get(const std::string& url, const HttpTimeouts& timeouts) = 0;
    // POST with the header "CONTENT-TYPE: application/json" and `body` as the entity.
    virtual Result<HttpAnswer> postJson(const std::string& url, const std::string& body,
                                        const HttpTimeouts& timeouts) = 0;
};

}  // namespace platform
