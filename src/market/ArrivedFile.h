#pragma once
#include <string>

#include "market/QueueEntry.h"
#include "platform/Paths.h"
#include "platform/Result.h"

namespace market {

// Where a finished download of `entry` belongs: its folder and its `saveAs` name, or the name
// the download control gave it (the URL's last element) when it has none.
std::string arrivedPath(const QueueEntry& entry, platform::PathStyle style);

// Moves a finished download to the name its entry asks for (a game jar fetched as
// "client.jar", a resource fetched by its hash); nothing to do without one. A file already
// there is replaced; the failure says why the file could not be renamed.
platform::Result<void> placeArrived(const QueueEntry& entry, platform::PathStyle style);

}  // namespace market
