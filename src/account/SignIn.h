#pragma once
#include <string>

#include "context/LauncherContext.h"
#include "platform/Result.h"

// Posts the user name and password to the authentication service ("/authenticate" under
// the context's auth host) and returns the reply text unchanged, whatever its status. When
// no exchange took place (no route, refused, TLS failure, time-out) the failure reads
// "无法连接验证服务器：" and the reason.
platform::Result<std::string> SignIn(const LauncherContext& context, const std::string& userName,
                                     const std::string& password);

// Characters whose code-page code is two bytes become "%LEAD%TRAIL" in upper-case hex
// ("中" gives "%D6%D0"); every other character, including those the code page lacks,
// stays as it is.
std::string EscapeDoubleByte(const std::string& text);

// `text` as the inside of a JSON string: quote, backslash and control characters escaped.
std::string escapeJsonString(const std::string& text);
