#pragma once
#include <optional>
#include <string>

// What the launch takes from the authentication service's reply, cut at fixed markers:
// the text behind `{"accessToken":"`, `"id":"` and `"name":"` up to the next double quote.
struct SignInReply {
    std::string accessToken;
    std::string profileId;   // empty when the reply names no profile
    std::string playerName;  // empty when the reply names no player
    bool operator==(const SignInReply&) const = default;
};

// nullopt when the reply holds no access token (rejected credentials, an error body, no
// reply at all): the sign-in failed.
std::optional<SignInReply> CutSignInReply(const std::string& reply);
