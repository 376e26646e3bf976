#pragma once
#include <string>

#include "platform/Dialogs.h"
#include "platform/Result.h"

// What the settings window's test sign-in shows for a reply of the authentication service.
struct SignInReport {
    std::string text;
    std::string title;
    platform::MessageIcon icon = platform::MessageIcon::None;
};

// With an access token: "accessToken=<token>" CR LF "id=<id>" under "测试登录成功".
// Without one (an empty token included): a failure message holding the service's reply, or
// saying that no reply came.
SignInReport describeTestSignIn(const std::string& reply);
// The same for a sign-in that may have failed for lack of a connection: then the message
// says no reply came and why.
SignInReport describeTestSignIn(const platform::Result<std::string>& signIn);
