#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Result.h"
#include "platform/TextFile.h"

namespace platform {

// What SHA-1, SHA-256 and MD5 share: bytes fed in any split reach `compress` in blocks of 64,
// and the end is padded with a 1 bit, zeros and the length in bits.
class BlockHash {
  public:
    void update(std::string_view bytes);

  protected:
    // How the hash writes numbers as bytes: SHA big-endian, MD5 little-endian.
    enum class ByteOrder { BigEndian, LittleEndian };
    explicit BlockHash(ByteOrder order = ByteOrder::BigEndian) : order_(order) {}
    ~BlockHash() = default;
    // Feeds the padding: every byte has reached `compress` afterwards.
    void pad();
    // The state words of a padded hash as bytes: its digest.
    template <size_t N>
    std::array<uint8_t, 4 * N> digestOf(const std::array<uint32_t, N>& state) const {
        std::array<uint8_t, 4 * N> digest;
        for (size_t i = 0; i < N; ++i)
            for (size_t j = 0; j < 4; ++j)
                digest[4 * i + j] = static_cast<uint8_t>(state[i] >> shiftOfByte(j, 4));
        return digest;
    }

  private:
    virtual void compress(const uint8_t* block) = 0;
    // How far byte `index` of a `width`-byte number lies from its low end, in bits.
    size_t shiftOfByte(size_t index, size_t width) const {
        return 8 * (order_ == ByteOrder::BigEndian ? width - 1 - index : index);
    }

    ByteOrder order_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t length_ = 0;
};

// Two lower-case hexadecimal digits for each of the `size` bytes.
std::string lowerHex(const uint8_t* bytes, size_t size);

// The digest of `bytes` by `Hash`, in lower-case hexadecimal.
template <class Hash>
std::string hexDigest(std::string_view bytes) {
    Hash hash;
    hash.update(bytes);
    const auto digest = hash.finish();
    return lowerHex(digest.data(), digest.size());
}

// The same for the file at `path`, read piece by piece, or why the file could not be read.
template <class Hash>
Result<std::string> hexDigestOfFile(const std::string& path) {
    Hash hash;
    Result<> read = readInPieces(path, [&](std::string_view piece) { hash.update(piece); });
    if (!read) return read.failure();
    const auto digest = hash.finish();
    return lowerHex(digest.data(), digest.size());
}

}  // namespace platform
