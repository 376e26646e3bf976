#include <array>
#include <string>
#include <string_view>

#include "platform/AsciiText.h"
#include "platform/Zip.h"

namespace platform {

namespace {

// Windows drops trailing dots and blanks from a path part, so ". ." or "..." could still
// climb; a part made only of them (other than ".") is refused.
bool climbsOrVanishes(std::string_view part) {
    return part.size() >= 2 && part.find_first_not_of(". ") == std::string_view::npos;
}

// Windows opens a device, not a file, for these stems whatever the extension.
bool isWindowsDeviceName(std::string_view part) {
    std::string stem = lowerAscii(std::string(part.substr(0, part.find('.'))));
    static constexpr std::array<std::string_view, 4> devices = {"con", "prn", "aux", "nul"};
    for (std::string_view device : devices)
        if (stem == device) return true;
    bool numbered = stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9';
    return numbered && (stem.starts_with("com") || stem.starts_with("lpt"));
}

}  // namespace

bool zipEntryNameIsSafe(std::string_view name) {
    if (name.empty() || name.front() == '/') return false;
    for (char c : name) {
        unsigned char byte = static_cast<unsigned char>(c);
        // ':' also covers drive prefixes and Windows alternate data streams ("a.dll:x").
        if (byte < 0x20 || byte == 0x7f || c == '\\' || c == ':') return false;
    }
    for (const std::string& part : splitAt(name, '/'))
        if (climbsOrVanishes(part) || isWindowsDeviceName(part)) return false;
    return true;
}

}  // namespace platform
