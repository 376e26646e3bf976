#pragma once
#include <array>
#include <cstdint>
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

}  // namespace platform
