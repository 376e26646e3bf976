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

// The byte length of the character at `at`: the length its lead byte announces when that many
// continuation bytes follow, else 1. A stray or cut-off byte is a character of its own, as a
// decoder shows one replacement character for it, and never swallows the bytes behind it.
inline size_t utf8CharacterLength(std::string_view text, size_t at) {
    size_t length = utf8SequenceLength(static_cast<unsigned char>(text[at]));
    if (at + length > text.size()) return 1;
    for (size_t i = at + 1; i < at + length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// The number of characters of a UTF-8 text, each counted as utf8CharacterLength steps.
inline size_t utf8CharacterCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count)
        i += utf8CharacterLength(text, i);
    return count;
}

}  // namespace platform
