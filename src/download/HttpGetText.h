#pragma once
#include <chrono>
#include <string>

#include "platform/HttpClient.h"

namespace download {

struct TextFetch {
    bool ok = false;
    std::string text;   // the body, whatever the status
    long status = 0;    // the HTTP status when ok
    std::string error;  // why there is no answer (Chinese), when not ok
};

inline constexpr std::chrono::milliseconds kTextFetchTimeout{20000};

// One blocking GET with a fresh request: the four time-outs (resolve, connect, send,
// receive) all `timeout`. The body comes back as text also for error statuses.
TextFetch HttpGetText(platform::HttpClient& http, const std::string& url,
                      std::chrono::milliseconds timeout = kTextFetchTimeout);

}  // namespace download
