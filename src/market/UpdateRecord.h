#pragma once
#include <optional>
#include <string>
#include <string_view>

// The self-update record that the update server publishes inside its start page.
namespace market {

inline constexpr std::string_view kRecordOpen = "【";
inline constexpr std::string_view kRecordClose = "】";

struct UpdateRecord {
    std::string version;  // the published version, compared as text
    std::string url;      // the new executable
    std::string message;  // the question's text, "[vbcrlf]" for a line break
    std::string sha256;   // the new executable's SHA-256 in hexadecimal; empty when not given
};

// The record between the first "【" and the first "】": "|"-separated version, URL, message
// and an optional SHA-256. nullopt when a bracket is missing, they stand in the wrong order
// or there are fewer than three fields; nothing is offered then.
std::optional<UpdateRecord> cutUpdateRecord(std::string_view page);

// Whether `record` offers another version than `ownVersion`: any text but the exact own
// version, older ones included.
bool offersUpdate(const UpdateRecord& record, std::string_view ownVersion);

// The question's text: the message with every "[vbcrlf]" as CR LF.
std::string updateQuestion(std::string_view message);

// Whether `text` is a SHA-256 written as 64 hexadecimal digits (either case).
bool isSha256Hex(std::string_view text);

}  // namespace market
