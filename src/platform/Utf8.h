#pragma once
#include <cstddef>
#include <string_view>

namespace platform {

// The byte length of the UTF-8 sequence that `lead` begins: 1 for ASCII and for a byte that
// begins no sequence (a continuation byte or an invalid one), else 2, 3 or 4.
inline size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

// The number of characters of a UTF-8 text, by the lengths its lead bytes announce.
inline size_t utf8CharacterCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count)
        i += utf8SequenceLength(static_cast<unsigned char>(text[i]));
    return count;
}

}  // namespace platform
