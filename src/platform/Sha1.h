#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace platform {

// SHA-1 over bytes fed in any split.
class Sha1 {
  public:
    Sha1();
    void update(std::string_view bytes);
    // The digest as 40 lower-case hexadecimal digits; the object is spent afterwards.
    std::string finishHex();

  private:
    void block(const uint8_t* data);

    std::array<uint32_t, 5> state_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t length_ = 0;
};

std::string sha1Hex(std::string_view bytes);

// The digest of the file at `path`, or why it could not be read.
Result<std::string> sha1OfFile(const std::string& path);

// What the digests of this folder share.
// Two lower-case hexadecimal digits for each of the `size` bytes.
std::string lowerHex(const uint8_t* bytes, size_t size);
// Hands the file at `path` to `take` piece by piece; the failure says whether the file could
// not be opened or not be read (a folder opens like a file and fails on the first read).
Result<> readInPieces(const std::string& path, const std::function<void(std::string_view)>& take);

}  // namespace platform
