#pragma once
#include <string>

#include "context/LauncherContext.h"

// Posts the user name and password to the authentication service ("/authenticate" under
// the context's auth host) and returns the reply text unchanged, whatever its status.
// Empty text when no exchange took place (no route, TLS failure, time-out).
std::string SignIn(const LauncherContext& context, const std::string& userName,
                   const std::string& password);

// One blocking POST of `body` (after EscapeDoubleByte) as JSON; the reply text, or empty
// text when no exchange took place.
std::string PostJson(const LauncherContext& context, const std::string& url,
                     const std::string& body);

// Characters whose code-page code is two bytes become "%LEAD%TRAIL" in upper-case hex
// ("中" gives "%D6%D0"); every other character, including those the code page lacks,
// stays as it is.
std::string EscapeDoubleByte(const std::string& text);

// `text` as the inside of a JSON string: quote, backslash and control characters escaped.
std::string EscapeJsonString(const std::string& text);
