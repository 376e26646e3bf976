#include "platform/Sha1.h"

#include <bit>

#include "platform/TextFile.h"

namespace platform {

Sha1::Sha1() : state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0} {}

void Sha1::compress(const uint8_t* data) {
    uint32_t w[80];
    for (int i = 0; i < 16; ++i) {
        w[i] = uint32_t(data[4 * i]) << 24 | uint32_t(data[4 * i + 1]) << 16 |
               uint32_t(data[4 * i + 2]) << 8 | uint32_t(data[4 * i + 3]);
    }
    for (int i = 16; i < 80; ++i)
        w[i] = std::rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
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
        uint32_t next = std::rotl(a, 5) + f + e + k + w[i];
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
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
    if (!read) return read.failure();
    return sha.finishHex();
}

}  // namespace platform
