#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/BlockHash.h"
#include "platform/Result.h"

namespace platform {

// SHA-1 over bytes fed in any split.
class Sha1 final : public BlockHash {
  public:
    Sha1();
    // The 20 digest bytes; the object is spent afterwards.
    std::array<uint8_t, 20> finish();
    // The same as 40 lower-case hexadecimal digits.
    std::string finishHex();

  private:
    void compress(const uint8_t* data) override;

    std::array<uint32_t, 5> state_;
};

std::string sha1Hex(std::string_view bytes);

// The digest of the file at `path`, or why it could not be read.
Result<std::string> sha1OfFile(const std::string& path);

}  // namespace platform
