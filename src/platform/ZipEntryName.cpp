#include <string>
#include <string_view>

#include "platform/AsciiText.h"
#include "platform/WindowsNames.h"
#include "platform/Zip.h"

namespace platform {

namespace {

// Windows drops trailing dots and blanks from a path part, so ". ." or "..." could still
// climb; a part made only of them (other than ".") is refused.
bool climbsOrVanishes(std::string_view part) {
    return part.size() >= 2 && part.find_first_not_of(". ") == std::string_view::npos;
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
