// The self-update record's cut and the question text on any page text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "market/UpdateRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view page(reinterpret_cast<const char*>(data), size);
    std::optional<market::UpdateRecord> record = market::cutUpdateRecord(page);
    if (!record) return 0;
    // The record lies inside the page, so no field can be longer than it.
    if (record->version.size() + record->url.size() + record->message.size() > size)
        __builtin_trap();
    market::updateQuestion(record->message);
    market::isSha256Hex(record->sha256);
    return 0;
}
