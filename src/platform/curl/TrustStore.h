#pragma once
#include <string>

#include "platform/Result.h"

namespace platform {

// The certificate authorities libcurl trusts by default followed by those of `caFile`, as one
// PEM text: an added authority never takes the system's away. Fails when `caFile` cannot be
// read or holds no certificate.
Result<std::string> trustStoreWith(const std::string& caFile);

}  // namespace platform
