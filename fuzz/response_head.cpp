// The status line and header of a response, fed whole and in batches cut anywhere: both
// ways must agree, the head never grows past its limit and is never an interim answer.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "FuzzCheck.h"
#include "download/ResponseHead.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const size_t step = input.ConsumeIntegralInRange<size_t>(1, 64);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    download::ResponseHead whole;
    const size_t wholeTaken = whole.feed(bytes.data(), bytes.size());
    download::ResponseHead split;
    size_t splitTaken = 0;
    for (size_t at = 0; at < bytes.size() && !split.complete() && !split.tooLong(); at += step) {
        const size_t batch = std::min(step, bytes.size() - at);
        const size_t taken = split.feed(bytes.data() + at, batch);
        FUZZ_CHECK(taken <= batch);
        splitTaken += taken;
    }
    FUZZ_CHECK(wholeTaken == splitTaken);
    FUZZ_CHECK(whole.text() == split.text());
    FUZZ_CHECK(whole.complete() == split.complete());
    FUZZ_CHECK(whole.text().size() <= download::ResponseHead::kMaxSize);
    // Interim answers before it are taken but dropped: the head is the end of what was taken.
    FUZZ_CHECK(whole.text().size() <= wholeTaken);
    FUZZ_CHECK(bytes.compare(wholeTaken - whole.text().size(), whole.text().size(), whole.text()) ==
               0);
    if (!whole.complete()) return 0;
    FUZZ_CHECK(whole.text().back() == '\n');

    std::optional<int> status = whole.status();
    if (status) FUZZ_CHECK(*status >= 0 && *status <= 999);
    FUZZ_CHECK(!status || *status / 100 != 1 || *status == 101);
    int32_t length = -1;
    if (whole.contentLength(length) == download::ResponseHead::Length::Valid)
        FUZZ_CHECK(length >= 0);
    whole.chunked();
    for (const char* name : {"Location", "Content-Disposition", "content-length", ""}) {
        std::optional<std::string> value = whole.header(name);
        if (value) FUZZ_CHECK(value->find('\n') == std::string::npos);
    }
    return 0;
}
