#include "download/ChunkedBody.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace download {
namespace {

constexpr size_t kMaxSizeDigits = 15;  // below 2^60: no overflow however many chunks

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isTokenChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u > 0x20 && u < 0x7f && !std::strchr("\"(),/:;<=>?@[\\]{}", c));
}

// A quoted string starting at `at` (on its opening quote); the index after it, or npos.
size_t afterQuotedString(std::string_view text, size_t at) {
    for (++at; at < text.size(); ++at) {
        unsigned char c = static_cast<unsigned char>(text[at]);
        if (c == '"') return at + 1;
        if (c == '\\') {
            if (++at >= text.size()) return std::string_view::npos;
            c = static_cast<unsigned char>(text[at]);
        }
        if ((c < 0x20 && c != '\t') || c == 0x7f) return std::string_view::npos;
    }
    return std::string_view::npos;
}

size_t afterToken(std::string_view text, size_t at) {
    size_t start = at;
    while (at < text.size() && isTokenChar(text[at]))
        ++at;
    return at == start ? std::string_view::npos : at;
}

size_t afterBlanks(std::string_view text, size_t at) {
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// `*( BWS ";" BWS name [ BWS "=" BWS ( token / quoted-string ) ] )` from `at` to the end.
bool extensionsAreWellFormed(std::string_view text, size_t at) {
    while ((at = afterBlanks(text, at)) < text.size()) {
        if (text[at] != ';') return false;
        at = afterToken(text, afterBlanks(text, at + 1));
        if (at == std::string_view::npos) return false;
        size_t next = afterBlanks(text, at);
        if (next >= text.size() || text[next] != '=') continue;
        at = afterBlanks(text, next + 1);
        at = at < text.size() && text[at] == '"' ? afterQuotedString(text, at)
                                                 : afterToken(text, at);
        if (at == std::string_view::npos) return false;
    }
    return true;
}

// The start of a line for a message, with bytes that cannot be shown replaced.
std::string shown(const std::string& line) {
    std::string text = line.substr(0, 40);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return text + (line.size() > 40 ? "…" : "");
}

}  // namespace

bool ChunkedBody::feed(const char* data, size_t size, const Sink& sink) {
    if (failed()) return false;
    while (size > 0 && state_ != State::Done) {
        switch (state_) {
            case State::SizeLine:
                if (!lineComplete(data, size, kMaxLineBytes)) return !failed();
                if (!takeSizeLine()) return false;
                break;
            case State::Data: {
                size_t n = static_cast<size_t>(std::min<uint64_t>(remaining_, size));
                if (!sink(data, n)) return false;
                contentBytes_ += static_cast<int64_t>(n);
                remaining_ -= n;
                data += n;
                size -= n;
                if (remaining_ == 0) state_ = State::DataEnd;
                break;
            }
            case State::DataEnd:
                if (*data != "\r\n"[line_.size()])
                    return fail("分块数据的长度与其大小不符（数据后不是 CR LF）");
                line_ += *data++;
                --size;
                if (line_.size() == 2) {
                    line_.clear();
                    state_ = State::SizeLine;
                }
                break;
            case State::Trailer:
                if (!lineComplete(data, size, kMaxLineBytes)) return !failed();
                if (!takeTrailerLine()) return false;
                break;
            case State::Done:
                break;
        }
    }
    return true;
}

bool ChunkedBody::lineComplete(const char*& data, size_t& size, size_t limit) {
    const char* newline = static_cast<const char*>(std::memchr(data, '\n', size));
    size_t take = newline ? static_cast<size_t>(newline - data) + 1 : size;
    if (line_.size() + take > limit + 2)
        return fail("分块编码的一行超过 " + std::to_string(limit) + " 字节");
    line_.append(data, take);
    data += take;
    size -= take;
    if (!newline) return false;
    if (line_.size() < 2 || line_[line_.size() - 2] != '\r')
        return fail("分块编码的一行不以 CR LF 结束：" + shown(line_));
    line_.resize(line_.size() - 2);
    return true;
}

bool ChunkedBody::takeSizeLine() {
    uint64_t value = 0;
    size_t digits = 0;
    for (; digits < line_.size() && hexValue(line_[digits]) >= 0; ++digits) {
        if (digits == kMaxSizeDigits) return fail("分块大小过大：" + shown(line_));
        value = value * 16 + static_cast<uint64_t>(hexValue(line_[digits]));
    }
    if (digits == 0) return fail("分块大小无效：" + shown(line_));
    if (!extensionsAreWellFormed(line_, digits)) return fail("分块扩展无效：" + shown(line_));
    line_.clear();
    remaining_ = value;
    state_ = value == 0 ? State::Trailer : State::Data;
    return true;
}

bool ChunkedBody::takeTrailerLine() {
    bool last = line_.empty();
    trailerBytes_ += line_.size() + 2;
    line_.clear();
    if (trailerBytes_ > kMaxTrailerBytes)
        return fail("分块编码的尾部超过 " + std::to_string(kMaxTrailerBytes) + " 字节");
    if (last) state_ = State::Done;
    return true;
}

bool ChunkedBody::fail(const std::string& reason) {
    reason_ = reason;
    return false;
}

}  // namespace download
