#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/BlockHash.h"
#include "platform/Result.h"

namespace platform {

// SHA-256 of a byte stream fed in pieces of any size.
class Sha256 final : public BlockHash {
  public:
    Sha256();
    // The digest; the object must not be updated afterwards.
    std::array<uint8_t, 32> finish();

  private:
    void compress(const uint8_t* block) override;

    std::array<uint32_t, 8> state_;
};

// The digest of `bytes` as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

// The digest of the file at `path` in lower-case hexadecimal, read piece by piece, or why the
// file could not be read.
Result<std::string> sha256HexOfFile(const std::string& path);

}  // namespace platform
