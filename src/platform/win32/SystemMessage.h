#pragma once
#include <windows.h>

#include <string>

namespace platform {

// The system's own words for the Windows error `error`, in the language of the system, with
// its number ("系统找不到指定的文件 (2)").
std::string systemMessage(DWORD error);

}  // namespace platform
