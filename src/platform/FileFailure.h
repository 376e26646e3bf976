#pragma once
#include <string>
#include <system_error>

#include "platform/Result.h"

// Why a file operation failed, in words a player can act on.
namespace platform {

// The system's reason for an error number: Chinese for the usual ones, the system's own text
// otherwise.
std::string systemReason(int error);
std::string systemReason(const std::error_code& error);

// Why the file at `path` could not be opened or read. Marked missing when nothing is at the
// path; a folder standing where the file should be is named as such.
Failure readFailure(const std::string& path, int error);

}  // namespace platform
