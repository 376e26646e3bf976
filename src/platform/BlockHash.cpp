#include "platform/BlockHash.h"

#include <algorithm>
#include <cstring>

namespace platform {

void BlockHash::update(std::string_view bytes) {
    auto data = reinterpret_cast<const uint8_t*>(bytes.data());
    size_t size = bytes.size();
    length_ += size;
    if (buffered_ > 0) {
        size_t take = std::min(size, buffer_.size() - buffered_);
        std::memcpy(buffer_.data() + buffered_, data, take);
        buffered_ += take;
        data += take;
        size -= take;
        if (buffered_ < buffer_.size()) return;
        compress(buffer_.data());
        buffered_ = 0;
    }
    for (; size >= 64; data += 64, size -= 64)
        compress(data);
    std::memcpy(buffer_.data(), data, size);
    buffered_ = size;
}

void BlockHash::pad() {
    const uint64_t bits = length_ * 8;
    // One 1 bit, zeros up to 56 bytes modulo 64, the length in bits.
    std::string padding(1, '\x80');
    padding.append((buffered_ < 56 ? 55 - buffered_ : 119 - buffered_), '\0');
    for (size_t i = 0; i < 8; ++i)
        padding += static_cast<char>(bits >> shiftOfByte(i, 8));
    update(padding);
}

std::string lowerHex(const uint8_t* bytes, size_t size) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (size_t i = 0; i < size; ++i) {
        hex += kDigits[bytes[i] >> 4];
        hex += kDigits[bytes[i] & 0xf];
    }
    return hex;
}

}  // namespace platform
