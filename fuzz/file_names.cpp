// Target names taken from a URL, a Content-Disposition line or a caller: a name that comes
// back is an ordinary file inside its folder on Windows and Linux alike.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "download/DownloadNames.h"
#include "download/DownloadUrl.h"

namespace {

void checkName(const std::string& raw) {
    const std::string name = download::plainFileName(raw);
    if (name.empty()) return;
    FUZZ_CHECK(name != "." && name != "..");
    FUZZ_CHECK(!download::HasIllegalFileChar(name));
    FUZZ_CHECK(name.find('/') == std::string::npos && name.find('\\') == std::string::npos);
    FUZZ_CHECK(name.back() != '.' && name.back() != ' ');
    for (unsigned char c : name)
        FUZZ_CHECK(c >= 0x20 && c != 0x7f);
    FUZZ_CHECK(download::plainFileName(name) == name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string url = input.ConsumeRandomLengthString(256);
    const std::string header = input.ConsumeRemainingBytesAsString();
    checkName(url);
    checkName(download::lastUrlElement(url));
    checkName(download::FileNameFromChunk(header, ""));
    FUZZ_CHECK(download::FileNameFromChunk(header, "\x01") == "\x01" ||
               download::FileNameFromChunk(header, "\x01") ==
                   download::FileNameFromChunk(header, ""));
    return 0;
}
