#pragma once
#include <exception>
#include <string>

#include "context/GameFolders.h"
#include "market/QueueEntry.h"
#include "platform/Result.h"

// Queueing a mod of the catalogue for download into the game's mods folder.
namespace market {

inline constexpr const char* kModsFolderMissing =
    ".minecraft目录下不存在mods文件夹！请确认您已经有某个版本安装了forge 切勿擅自创建该文件夹";
inline constexpr const char* kErrorReportTitle = "程序出现错误 请及时反馈";

// The download task for the mod at `url` (kept as written) into the mods folder. Refused with
// the message to show when nothing named "mods" is in the game folder (the launcher never
// creates it) or when `url` is not an http address.
platform::Result<QueueEntry> modDownloadTask(const GameFolders& folders, const std::string& url);

// The text of the error report box for an error that ended a handler: its code and reason,
// and the request to report it.
std::string errorReportText(const std::exception& error);

}  // namespace market
