// A chunked body fed whole and in batches cut anywhere: both ways decode the same content and
// agree on the end and on refusal; what is decoded never exceeds what was fed.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "FuzzCheck.h"
#include "download/ChunkedBody.h"

namespace {

struct Run {
    std::string content;
    bool ok = true;
    bool done = false;
};

Run decode(const std::string& bytes, size_t step) {
    download::ChunkedBody chunks;
    Run run;
    auto sink = [&](const char* data, size_t size) {
        run.content.append(data, size);
        return true;
    };
    for (size_t at = 0; at < bytes.size() && run.ok; at += step)
        run.ok = chunks.feed(bytes.data() + at, std::min(step, bytes.size() - at), sink);
    run.done = chunks.done();
    FUZZ_CHECK(run.ok != chunks.failed());
    FUZZ_CHECK(chunks.contentBytes() == static_cast<int64_t>(run.content.size()));
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const size_t step = input.ConsumeIntegralInRange<size_t>(1, 64);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    Run whole = decode(bytes, bytes.size() + 1);
    Run split = decode(bytes, step);
    FUZZ_CHECK(whole.ok == split.ok);
    FUZZ_CHECK(whole.done == split.done);
    FUZZ_CHECK(whole.content.size() <= bytes.size());
    // A refusal may come after less content in one way than the other, never other content.
    if (whole.ok) FUZZ_CHECK(whole.content == split.content);
    return 0;
}
