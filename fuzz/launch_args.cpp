// Both argument layouts built from values read from disk and the network (version id, user
// name, jar names, main class), and the jar wildcard the old layout finds its jars with.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>

#include "FuzzCheck.h"
#include "launch/FindFiles.h"
#include "launch/LegacyArgs.h"
#include "launch/MakeArgs.h"

namespace {

// The plain recursive reading of a wildcard, letters without regard to ASCII case.
bool referenceMatch(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern[0] == '*')
        return referenceMatch(name, pattern.substr(1)) ||
               (!name.empty() && referenceMatch(name.substr(1), pattern));
    if (name.empty()) return false;
    bool same = pattern[0] == '?' || std::tolower(static_cast<unsigned char>(pattern[0])) ==
                                         std::tolower(static_cast<unsigned char>(name[0]));
    return same && referenceMatch(name.substr(1), pattern.substr(1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const platform::PathStyle style =
        input.ConsumeBool() ? platform::PathStyle::windows() : platform::PathStyle::posix();

    const std::string name = input.ConsumeRandomLengthString(12);
    const std::string pattern = input.ConsumeRandomLengthString(8);
    FUZZ_CHECK(matchesPattern(name, pattern) == referenceMatch(name, pattern));

    LaunchValues values;
    values.memoryMb = input.ConsumeIntegral<int32_t>();
    values.versionId = input.ConsumeRandomLengthString(24);
    values.userName = input.ConsumeRandomLengthString(24);
    values.accessToken = input.ConsumeRandomLengthString(8);
    values.uuid = input.ConsumeRandomLengthString(8);
    const std::string mainClass = input.ConsumeRandomLengthString(24);
    LaunchArgs modern;
    addModernArgs(modern, values, "-cp \"x\"", mainClass);
    FUZZ_CHECK(modern.elements().size() == 6);
    FUZZ_CHECK(modern.elements().back().starts_with(mainClass));
    modern.JoinArgs();

    LegacyValues legacy;
    legacy.versionId = values.versionId;
    legacy.memoryMb = values.memoryMb;
    legacy.userName = values.userName;
    std::vector<std::string> jars;
    while (input.remaining_bytes() > 0 && jars.size() < 16)
        jars.push_back(input.ConsumeRandomLengthString(16));
    LaunchArgs old;
    legacy.nativesFolder = "L";
    addLegacyArgs(old, legacy, jars, style);
    FUZZ_CHECK(old.elements().size() == 13 && old.elements().back() == legacy.userName);
    old.JoinArgs();
    return 0;
}
