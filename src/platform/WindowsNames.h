#pragma once
#include <string_view>

namespace platform {

// Whether Windows opens a device rather than a file for the path part `name`: CON, PRN, AUX,
// NUL, COM1-COM9 and LPT1-LPT9 (also with ¹ ² ³), whatever extension follows and with blanks
// in front of the extension, which Windows ignores there.
bool isWindowsDeviceName(std::string_view name);

}  // namespace platform
