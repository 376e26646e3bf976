// Any name: what the checks accept never holds a separator of the other style, a drive, a
// control character or a ".." element.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "market/NetworkNames.h"

namespace {

bool hasClimbingElement(std::string_view name) {
    size_t start = 0;
    while (true) {
        size_t end = name.find('/', start);
        std::string_view element =
            name.substr(start, end == std::string_view::npos ? end : end - start);
        if (element == ".." || element == "." || element.empty()) return true;
        if (end == std::string_view::npos) return false;
        start = end + 1;
    }
}

bool hasForbiddenByte(std::string_view name, std::string_view forbidden) {
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || forbidden.find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view name(reinterpret_cast<const char*>(data), size);
    if (market::isSafePathElement(name) &&
        (hasForbiddenByte(name, "/\\:") || name == "." || name == ".."))
        std::abort();
    if (market::isSafeResourceName(name) &&
        (hasForbiddenByte(name, "\\:") || hasClimbingElement(name)))
        std::abort();
    if (market::isAssetHash(name) && hasForbiddenByte(name, "/\\:.")) std::abort();
    return 0;
}
