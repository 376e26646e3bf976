#pragma once
#include <optional>
#include <string>

// What a sign-in takes from the authentication service's reply, cut at fixed markers: the
// text behind `{"accessToken":"`, `"id":"` and `"name":"` up to the next double quote. The
// launch and the settings window's test sign-in both read replies with it.
struct SignInReply {
    std::string accessToken;
    std::string profileId;   // empty when the reply names no profile
    std::string playerName;  // empty when the reply names no player
    bool operator==(const SignInReply&) const = default;
};

// nullopt when the reply holds no access token, or an empty one (rejected credentials, an
// error body, no reply at all): the sign-in failed.
std::optional<SignInReply> cutSignInReply(const std::string& reply);
