#include "platform/Sha1.h"

#include <bit>

namespace platform {

Sha1::Sha1() : state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0} {}

namespace {

// One round: the caller rotates the five working words by passing them in a new order, so no
// copies are made and every round function is known at compile time.
template <class F>
inline void round(uint32_t a, uint32_t& b, uint32_t c, uint32_t d, uint32_t& e, uint32_t w,
                  uint32_t k, F f) {
    e += std::rotl(a, 5) + f(b, c, d) + k + w;
    b = std::rotl(b, 30);
}

}  // namespace

void Sha1::compress(const uint8_t* data) {
    // The message schedule as a ring of 16 words: the 80 words are made as the rounds need them.
    uint32_t w[16];
    for (int i = 0; i < 16; ++i) {
        w[i] = uint32_t(data[4 * i]) << 24 | uint32_t(data[4 * i + 1]) << 16 |
               uint32_t(data[4 * i + 2]) << 8 | uint32_t(data[4 * i + 3]);
    }
    auto word = [&w](int i) {
        if (i < 16) return w[i];
        uint32_t& slot = w[i & 15];
        slot = std::rotl(w[(i - 3) & 15] ^ w[(i - 8) & 15] ^ w[(i - 14) & 15] ^ slot, 1);
        return slot;
    };
    auto choose = [](uint32_t b, uint32_t c, uint32_t d) { return d ^ (b & (c ^ d)); };
    auto parity = [](uint32_t b, uint32_t c, uint32_t d) { return b ^ c ^ d; };
    auto majority = [](uint32_t b, uint32_t c, uint32_t d) { return (b & c) | (d & (b | c)); };
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
    // Five rounds per step, so the working words come back to their places after each step.
    auto step = [&](int i, uint32_t k, auto f) {
        round(a, b, c, d, e, word(i), k, f);
        round(e, a, b, c, d, word(i + 1), k, f);
        round(d, e, a, b, c, word(i + 2), k, f);
        round(c, d, e, a, b, word(i + 3), k, f);
        round(b, c, d, e, a, word(i + 4), k, f);
    };
    for (int i = 0; i < 20; i += 5)
        step(i, 0x5A827999, choose);
    for (int i = 20; i < 40; i += 5)
        step(i, 0x6ED9EBA1, parity);
    for (int i = 40; i < 60; i += 5)
        step(i, 0x8F1BBCDC, majority);
    for (int i = 60; i < 80; i += 5)
        step(i, 0xCA62C1D6, parity);
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
}

std::array<uint8_t, 20> Sha1::finish() {
    pad();
    return digestOf(state_);
}

std::string Sha1::finishHex() {
    const std::array<uint8_t, 20> digest = finish();
    return lowerHex(digest.data(), digest.size());
}

std::string sha1Hex(std::string_view bytes) {
    return hexDigest<Sha1>(bytes);
}

Result<std::string> sha1OfFile(const std::string& path) {
    return hexDigestOfFile<Sha1>(path);
}

}  // namespace platform
