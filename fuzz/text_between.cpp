// TextBetween on sign-in replies and headers: any markers and modes, and a found text is
// always a piece of the text it was cut from.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "account/TextBetween.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const int endMode = input.ConsumeIntegralInRange(-1, 2);
    const int startMode = input.ConsumeIntegralInRange(-1, 2);
    const int endAfterStart = input.ConsumeIntegralInRange(-1, 2);
    const std::string startMarker = input.ConsumeRandomLengthString(16);
    const std::string endMarker = input.ConsumeRandomLengthString(16);
    const std::string text = input.ConsumeRemainingBytesAsString();

    int status = -1;
    const std::string found =
        TextBetween(text, startMarker, endMarker, endMode, startMode, endAfterStart, status);
    if (status == -1) {
        // The start marker, the text and the end marker lie side by side.
        FUZZ_CHECK(text.find(startMarker + found + endMarker) != std::string::npos);
        if (endMarker.empty()) FUZZ_CHECK(text.ends_with(found));
    } else {
        FUZZ_CHECK(status >= 0 && status <= 2 && found == std::to_string(status));
    }
    return 0;
}
