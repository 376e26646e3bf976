#pragma once
#include <chrono>
#include <string>

#include "platform/HttpClient.h"

namespace download {

inline constexpr std::chrono::milliseconds kTextFetchTimeout{20000};

// One blocking GET with a fresh request: the four time-outs (resolve, connect, send,
// receive) all `timeout`. The body comes back as text also for error statuses; without an
// answer the failure says which address could not be read and why (Chinese).
platform::Result<platform::HttpAnswer> HttpGetText(
    platform::HttpClient& http, const std::string& url,
    std::chrono::milliseconds timeout = kTextFetchTimeout);

// A document the launcher needs whole: fetched as HttpGetText does, and a failure also when
// the server answers with another status than 200 or with an empty body (the reason says which).
platform::Result<std::string> fetchDocument(platform::HttpClient& http, const std::string& url);

}  // namespace download
