// Request URLs, Location values and proxy addresses as a mirror or a redirect sends them:
// whatever comes in, a request never carries a second line the URL put there.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "download/DownloadUrl.h"

namespace {

bool onlyVisibleAscii(const std::string& text) {
    for (unsigned char c : text) {
        if (c <= 0x20 || c >= 0x7f) return false;
    }
    return true;
}

void checkRequest(const std::string& url) {
    std::optional<download::HttpAddress> address = download::parseHttpUrl(url);
    if (!address) return;
    FUZZ_CHECK(!address->host.empty() && onlyVisibleAscii(address->host));
    FUZZ_CHECK(onlyVisibleAscii(address->hostPort));
    FUZZ_CHECK(address->path.starts_with("/") && onlyVisibleAscii(address->path));
    FUZZ_CHECK(address->port != 0);
    for (bool proxy : {false, true}) {
        std::string request = download::buildRequestText(*address, proxy);
        FUZZ_CHECK(request.ends_with("\r\n\r\n"));
        FUZZ_CHECK(request.find("\r\n\r\n") == request.size() - 4);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string current = input.ConsumeRandomLengthString(512);
    const std::string location = input.ConsumeRandomLengthString(512);
    const std::string proxy = input.ConsumeRemainingBytesAsString();

    checkRequest(current);
    const std::string next = download::resolveLocation(current, location);
    checkRequest(next);
    const std::string last = download::lastUrlElement(next);
    FUZZ_CHECK(last.find('/') == std::string::npos);
    if (auto address = download::parseProxyAddress(proxy)) FUZZ_CHECK(address->second != 0);
    return 0;
}
