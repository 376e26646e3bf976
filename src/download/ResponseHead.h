#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace download {

// Collects the status line and header of a response from batches split anywhere, up to the
// first blank line, and answers the questions the engine asks about it. Interim answers
// (1xx other than 101: 100 Continue, 103 Early Hints) are taken and dropped: the head is the
// final response's that follows them on the same connection.
class ResponseHead {
  public:
    static constexpr size_t kMaxSize = 64 * 1024;

    // Takes bytes from the front of `data` until the header is complete. Returns how many
    // were taken; the rest belongs to the body. Stops taking once complete or too long.
    size_t feed(const char* data, size_t size);

    bool complete() const { return complete_; }
    bool tooLong() const { return !complete_ && text_.size() >= kMaxSize; }
    // Status line and header including the blank line, as received.
    const std::string& text() const { return text_; }

    // The status code of a "HTTP/1.x NNN ..." status line; nullopt when there is none.
    std::optional<int> status() const;
    // The value of the first header line named `name` (any letter case), trimmed.
    std::optional<std::string> header(const std::string& name) const;

    enum class Length { Missing, Valid, Invalid, TooLarge };
    // Content-Length as a 32-bit signed count; `value` is set when Valid.
    Length contentLength(int32_t& value) const;
    bool chunked() const;

  private:
    bool interim() const;

    std::string text_;
    bool complete_ = false;
};

bool isRedirectStatus(int status);

}  // namespace download
