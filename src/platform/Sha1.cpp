#include "platform/Sha1.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "platform/Paths.h"

namespace platform {

namespace {

uint32_t rotl(uint32_t value, int bits) {
    return (value << bits) | (value >> (32 - bits));
}

}  // namespace

Sha1::Sha1() : state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0} {}

void Sha1::compress(const uint8_t* data) {
    uint32_t w[80];
    for (int i = 0; i < 16; ++i) {
        w[i] = uint32_t(data[4 * i]) << 24 | uint32_t(data[4 * i + 1]) << 16 |
               uint32_t(data[4 * i + 2]) << 8 | uint32_t(data[4 * i + 3]);
    }
    for (int i = 16; i < 80; ++i)
        w[i] = rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
    for (int i = 0; i < 80; ++i) {
        uint32_t f, k;
        if (i < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999;
        } else if (i < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1;
        } else if (i < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDC;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6;
        }
        uint32_t next = rotl(a, 5) + f + e + k + w[i];
        e = d;
        d = c;
        c = rotl(b, 30);
        b = a;
        a = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
}

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
    // One 1 bit, zeros up to 56 bytes modulo 64, the length in bits big-endian.
    std::string padding(1, '\x80');
    padding.append((buffered_ < 56 ? 55 - buffered_ : 119 - buffered_), '\0');
    for (int i = 7; i >= 0; --i)
        padding += static_cast<char>(bits >> (8 * i));
    update(padding);
}

std::string Sha1::finishHex() {
    pad();
    const std::array<uint8_t, 20> digest = digestOf(state_);
    return lowerHex(digest.data(), digest.size());
}

std::string sha1Hex(std::string_view bytes) {
    Sha1 sha;
    sha.update(bytes);
    return sha.finishHex();
}

Result<std::string> sha1OfFile(const std::string& path) {
    Sha1 sha;
    Result<> read = readInPieces(path, [&](std::string_view piece) { sha.update(piece); });
    if (!read) return Failure{read.reason()};
    return sha.finishHex();
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

Result<> readInPieces(const std::string& path, const std::function<void(std::string_view)>& take) {
    std::ifstream in(fromUtf8Path(path), std::ios::binary);
    if (!in) return Failure{"无法打开文件 " + path};
    std::vector<char> piece(1 << 16);
    while (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) || in.gcount() > 0)
        take(std::string_view(piece.data(), static_cast<size_t>(in.gcount())));
    if (in.bad()) return Failure{"无法读取文件 " + path};
    return {};
}

}  // namespace platform
