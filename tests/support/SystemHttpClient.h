#pragma once
#ifdef _WIN32
#include "platform/win32/WinHttpClient.h"
#else
#include "platform/curl/CurlHttpClient.h"
#endif

namespace testing_support {

// The real HTTP client of the system the tests run on.
#ifdef _WIN32
using SystemHttpClient = platform::WinHttpClient;
#else
using SystemHttpClient = platform::CurlHttpClient;
#endif

}  // namespace testing_support
