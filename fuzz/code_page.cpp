// The code page on both sides: bytes from a file read as text and written back, and UTF-8
// written and read back, lose nothing the code page can hold.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "platform/CodePage.h"

namespace {

// The characters of valid UTF-8 text; empty when the text is not valid UTF-8.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80         ? 1
                        : (c >> 5) == 6  ? 2
                        : (c >> 4) == 14 ? 3
                        : (c >> 3) == 30 ? 4
                                         : 0;
        if (length == 0 || i + length > text.size()) return {};
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Code page to text: the result is UTF-8, and every character of it that the code page
    // holds comes back as it was.
    const std::string text = platform::fromCodePage(bytes);
    const std::vector<std::string> read = characters(text);
    FUZZ_CHECK(!read.empty() || text.empty());
    std::string expected;
    for (const std::string& character : read)
        expected += platform::codePageBytesOf(character).empty() ? "?" : character;
    FUZZ_CHECK(platform::fromCodePage(platform::toCodePage(text)) == expected);

    // Text to code page: the same rule for UTF-8 that did not come from the code page.
    const std::vector<std::string> written = characters(bytes);
    if (written.empty()) return 0;
    expected.clear();
    for (const std::string& character : written)
        expected += platform::codePageBytesOf(character).empty() ? "?" : character;
    FUZZ_CHECK(platform::fromCodePage(platform::toCodePage(bytes)) == expected);
    return 0;
}
