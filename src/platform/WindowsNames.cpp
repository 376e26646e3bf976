#include "platform/WindowsNames.h"

#include <string>

#include "platform/AsciiText.h"

namespace platform {

bool isWindowsDeviceName(std::string_view name) {
    std::string stem = lowerAscii(std::string(name.substr(0, name.find('.'))));
    stem = stem.substr(0, stem.find_last_not_of(' ') + 1);
    if (stem == "con" || stem == "prn" || stem == "aux" || stem == "nul") return true;
    if (!stem.starts_with("com") && !stem.starts_with("lpt")) return false;
    std::string_view digit = std::string_view(stem).substr(3);
    return (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "¹" ||
           digit == "²" || digit == "³";
}

}  // namespace platform
