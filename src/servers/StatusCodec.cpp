#include "servers/StatusCodec.h"

namespace servers {

std::string statusRequest() {
    static const unsigned char bytes[] = {0x0F, 0x00, 0x04, 0x09, 'l',  'o',  'c',  'a',  'l',
                                          'h',  'o',  's',  't',  0x63, 0xD8, 0x01, 0x01, 0x00};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::array<std::string, 3> statusRequestWrites() {
    std::string all = statusRequest();
    return {all.substr(0, 4), all.substr(4, 10), all.substr(14, 4)};
}

VarInt readVarInt(std::string_view bytes) {
    VarInt result;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i == 5) return {VarInt::State::Invalid, 0, 0};
        auto byte = static_cast<unsigned char>(bytes[i]);
        result.value |= uint32_t(byte & 0x7F) << (7 * i);
        if ((byte & 0x80) == 0) {
            result.state = VarInt::State::Complete;
            result.length = i + 1;
            return result;
        }
    }
    if (bytes.size() >= 5) return {VarInt::State::Invalid, 0, 0};
    return {VarInt::State::NeedMore, 0, 0};
}

std::string writeVarInt(uint32_t value) {
    std::string bytes;
    do {
        unsigned char byte = value & 0x7F;
        value >>= 7;
        if (value != 0) byte |= 0x80;
        bytes += static_cast<char>(byte);
    } while (value != 0);
    return bytes;
}

PacketFramer::State PacketFramer::append(std::string_view bytes) {
    if (state_ != State::Collecting) return state_;
    buffer_.append(bytes);
    VarInt length = readVarInt(buffer_);
    if (length.state == VarInt::State::Invalid || length.value > kMaxPacket) {
        buffer_.clear();
        return state_ = State::Invalid;
    }
    if (length.state == VarInt::State::NeedMore) return state_;
    if (buffer_.size() - length.length < length.value) return state_;
    packet_ = buffer_.substr(length.length, length.value);
    buffer_.clear();
    return state_ = State::Complete;
}

namespace {

// The digits right after the first occurrence of `marker`, blanks before them skipped.
std::optional<std::string> numberAfter(const std::string& text, std::string_view marker) {
    size_t at = text.find(marker);
    if (at == std::string::npos) return std::nullopt;
    size_t start = at + marker.size();
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    size_t end = start;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end == start) return std::nullopt;
    return text.substr(start, end - start);
}

}  // namespace

std::optional<PlayerCount> readPlayerCount(const std::string& packet) {
    VarInt id = readVarInt(packet);
    if (id.state != VarInt::State::Complete || id.value != 0) return std::nullopt;
    std::string_view rest = std::string_view(packet).substr(id.length);
    VarInt textLength = readVarInt(rest);
    if (textLength.state != VarInt::State::Complete) return std::nullopt;
    std::string text(rest.substr(textLength.length, textLength.value));
    std::optional<std::string> online = numberAfter(text, "online\":");
    std::optional<std::string> max = numberAfter(text, "max\":");
    if (!online || !max) return std::nullopt;
    return PlayerCount{*online, *max};
}

}  // namespace servers
