#include "platform/CodePage.h"

#include <iconv.h>

#include <cerrno>

#include "platform/Utf8.h"

namespace platform {
namespace {

constexpr const char* kSystemCodePage = "GBK";

// Converts with iconv; on an unconvertible or invalid sequence appends `replacement` and
// skips `skip(in)` input bytes. Returns false if the converter cannot be opened.
template <typename Skip>
std::string convert(const std::string& input, const char* to, const char* from,
                    const std::string& replacement, Skip skip) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::string out;
    out.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            out += replacement;
            size_t n = std::min(skip(in, inLeft), inLeft);
            in += n;
            inLeft -= n;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

size_t cappedSequenceLength(const char* p, size_t left) {
    size_t n = platform::utf8SequenceLength(static_cast<unsigned char>(*p));
    return n > left ? 1 : n;
}

}  // namespace

std::string toCodePage(const std::string& utf8) {
    return convert(utf8, kSystemCodePage, "UTF-8", "?", cappedSequenceLength);
}

std::string fromCodePage(const std::string& bytes) {
    return convert(bytes, "UTF-8", kSystemCodePage, "\xEF\xBF\xBD",
                   [](const char*, size_t) { return size_t{1}; });
}

std::string codePageBytesOf(const std::string& utf8Character) {
    std::string bytes = toCodePage(utf8Character);
    if (bytes == "?" && utf8Character != "?") return {};
    return bytes;
}

}  // namespace platform
