#include "launch/MemorySetting.h"

#include <cmath>
#include <limits>

#include "account/SettingsChecks.h"

std::optional<int32_t> ParseMemoryMb(const std::string& text) {
    std::optional<double> value = parseNumber(text);
    if (!value) return std::nullopt;
    double rounded = std::nearbyint(*value);  // the default rounding mode: halves to even
    if (rounded < 1 || rounded > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(rounded);
}
