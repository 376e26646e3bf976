#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// SHA-256 of a byte stream fed in pieces of any size.
class Sha256 {
  public:
    Sha256();
    void update(std::string_view bytes);
    // The digest; the object must not be updated afterwards.
    std::array<uint8_t, 32> finish();

  private:
    void compressBlock(const uint8_t* block);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t totalBytes_ = 0;
};

// The digest of `bytes` as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

// The digest of the file at `path` in lower-case hexadecimal, read piece by piece; nullopt
// when the file cannot be read.
std::optional<std::string> sha256HexOfFile(const std::string& path);

}  // namespace platform
