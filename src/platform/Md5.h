#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/BlockHash.h"

namespace platform {

// MD5 over bytes fed in any split. Only for name-based identifiers, never to check a download.
class Md5 final : public BlockHash {
  public:
    Md5();
    // The 16 digest bytes; the object is spent afterwards.
    std::array<uint8_t, 16> finish();

  private:
    void compress(const uint8_t* data) override;

    std::array<uint32_t, 4> state_;
};

std::string md5Hex(std::string_view bytes);

}  // namespace platform
