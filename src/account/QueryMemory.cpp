#include "account/QueryMemory.h"

#include <limits>

namespace {

std::optional<int32_t> kilobytes(uint64_t bytes) {
    uint64_t kb = bytes / 1024;
    if (kb > uint64_t(std::numeric_limits<int32_t>::max())) return std::nullopt;
    return int32_t(kb);
}

// Kilobytes of a size figure; "used" figures subtract after both sides are converted.
std::optional<int64_t> figureKilobytes(const platform::MemoryStatus& s, int32_t figure) {
    const uint64_t totals[] = {s.totalPhysical, s.totalVirtual, s.totalPageFile};
    const uint64_t available[] = {s.availablePhysical, s.availableVirtual, s.availablePageFile};
    if (figure >= 0 && figure <= 2) return kilobytes(totals[figure]);
    if (figure >= 3 && figure <= 5) return kilobytes(available[figure - 3]);
    if (figure >= 6 && figure <= 8) {
        std::optional<int32_t> total = kilobytes(totals[figure - 6]);
        std::optional<int32_t> free = kilobytes(available[figure - 6]);
        if (!total || !free) return std::nullopt;
        return int64_t(*total) - *free;
    }
    return std::nullopt;
}

}  // namespace

int32_t QueryMemory(const std::optional<platform::MemoryStatus>& status, int32_t figure,
                    int32_t unitPower) {
    if (!status) return 0;
    if (figure == 9) return int32_t(status->loadPercent);
    // 1024^unitPower must be a whole 32-bit divisor: powers 0 to 3 only.
    if (unitPower < 0 || unitPower > 3) return 0;
    std::optional<int64_t> kb = figureKilobytes(*status, figure);
    if (!kb) return 0;
    return int32_t(*kb / (int64_t{1} << (10 * unitPower)));
}

int32_t QueryMemory(int32_t figure, int32_t unitPower) {
    return QueryMemory(platform::queryMemoryStatus(), figure, unitPower);
}
