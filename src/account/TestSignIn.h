#pragma once
#include <string>

#include "platform/Dialogs.h"

// What the settings window's test sign-in shows for a reply of the authentication service.
struct SignInReport {
    std::string text;
    std::string title;
    platform::MessageIcon icon = platform::MessageIcon::None;
};

// With an access token: "accessToken=<token>" CR LF "id=<id>" under "测试登录成功".
// Without one: a failure message holding the service's reply, or saying that no reply came.
SignInReport describeTestSignIn(const std::string& reply);
