#include "download/ResponseHead.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/AsciiText.h"

namespace download {

size_t ResponseHead::feed(const char* data, size_t size) {
    size_t taken = 0;
    while (taken < size && !complete_ && text_.size() < kMaxSize) {
        const char* newline =
            static_cast<const char*>(std::memchr(data + taken, '\n', size - taken));
        size_t end = newline ? static_cast<size_t>(newline - data) + 1 : size;
        end = std::min(end, taken + (kMaxSize - text_.size()));
        size_t lineStart = text_.rfind('\n');
        lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
        text_.append(data + taken, end - taken);
        taken = end;
        if (text_.back() != '\n') continue;
        // A line holding nothing but an optional CR ends the header.
        std::string_view line(text_.data() + lineStart, text_.size() - lineStart);
        if (lineStart > 0 && (line == "\n" || line == "\r\n")) complete_ = true;
        // Interim answers carry no body; the final response follows, maybe in this batch.
        if (complete_ && interim()) {
            text_.clear();
            complete_ = false;
        }
    }
    return taken;
}

std::optional<int> ResponseHead::status() const {
    if (text_.rfind("HTTP/", 0) != 0) return std::nullopt;
    size_t blank = text_.find(' ');
    if (blank == std::string::npos || blank + 4 > text_.size()) return std::nullopt;
    int code = 0;
    for (size_t i = blank + 1; i < blank + 4; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text_[i]))) return std::nullopt;
        code = code * 10 + (text_[i] - '0');
    }
    return code;
}

std::optional<std::string> ResponseHead::header(const std::string& name) const {
    std::string wanted = platform::lowerAscii(name);
    size_t lineStart = text_.find('\n');
    while (lineStart != std::string::npos && lineStart + 1 < text_.size()) {
        size_t begin = lineStart + 1;
        size_t end = text_.find('\n', begin);
        std::string line = text_.substr(begin, end == std::string::npos ? end : end - begin);
        size_t colon = line.find(':');
        if (colon != std::string::npos &&
            platform::lowerAscii(platform::trimmed(line.substr(0, colon), " \t\r")) == wanted)
            return platform::trimmed(line.substr(colon + 1), " \t\r");
        lineStart = end;
    }
    return std::nullopt;
}

ResponseHead::Length ResponseHead::contentLength(int32_t& value) const {
    auto text = header("Content-Length");
    if (!text) return Length::Missing;
    if (text->empty()) return Length::Invalid;
    int64_t number = 0;
    for (char c : *text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return Length::Invalid;
        number = number * 10 + (c - '0');
        if (number > INT32_MAX) return Length::TooLarge;
    }
    value = static_cast<int32_t>(number);
    return Length::Valid;
}

bool ResponseHead::chunked() const {
    auto encoding = header("Transfer-Encoding");
    return encoding && platform::lowerAscii(*encoding).find("chunked") != std::string::npos;
}

bool ResponseHead::interim() const {
    auto code = status();
    return code && *code >= 100 && *code <= 199 && *code != 101;
}

bool isRedirectStatus(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace download
