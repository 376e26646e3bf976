#include "market/UpdateRecord.h"

#include <vector>

#include "market/NetworkNames.h"
#include "platform/AsciiText.h"

namespace market {

std::optional<UpdateRecord> cutUpdateRecord(std::string_view page) {
    size_t open = page.find(kRecordOpen);
    size_t close = page.find(kRecordClose);
    if (open == std::string_view::npos || close == std::string_view::npos) return std::nullopt;
    open += kRecordOpen.size();
    if (close < open) return std::nullopt;
    std::string_view record = page.substr(open, close - open);
    std::vector<std::string> fields = platform::splitAt(record, '|');
    if (fields.size() < 3) return std::nullopt;
    return UpdateRecord{fields[0], fields[1], fields[2], fields.size() > 3 ? fields[3] : ""};
}

bool offersUpdate(const UpdateRecord& record, std::string_view ownVersion) {
    return record.version != ownVersion;
}

std::string updateQuestion(std::string_view message) {
    return platform::replacedAll(message, "[vbcrlf]", "\r\n");
}

bool isSha256Hex(std::string_view text) {
    return isHexDigits(text, 64);
}

}  // namespace market
