// The scans of a version description (libraries, natives, main class, version number) on
// any text. The library scan must give exactly what the plain per-entry reading gives,
// which is kept here as the reference it replaced.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "launch/ClassPath.h"
#include "launch/VersionNumber.h"
#include "launch/VersionText.h"

namespace {

struct Reference {
    std::string entry;
    std::string coordinate;
    std::optional<std::string> classifier;
};

std::optional<std::string> referenceClassifier(const std::string& entry) {
    const std::string marker = "\"windows\": \"";
    size_t at = entry.find(marker);
    if (at == std::string::npos) return std::nullopt;
    size_t start = at + marker.size();
    size_t close = start + 1 <= entry.size() ? entry.find('"', start + 1) : std::string::npos;
    if (close == std::string::npos) close = entry.size();
    return entry.substr(start, close - start);
}

std::vector<Reference> referenceScan(const std::string& text) {
    std::vector<Reference> found;
    const std::string name = "\"name\": ";
    for (size_t at = text.find(name, 1); at != std::string::npos; at = text.find(name, at + 1)) {
        size_t end = text.find("},", at);
        if (end == std::string::npos) end = text.find("],", at);
        if (end == std::string::npos) end = text.size();
        size_t start = std::min(at + name.size() + 1, text.size());
        std::string entry = text.substr(start, end > start ? end - start : 0);
        std::string coordinate = entry.substr(0, entry.find('"'));
        if (coordinate.find(':') == std::string::npos) continue;
        found.push_back({entry, coordinate, referenceClassifier(entry)});
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool windows = input.ConsumeBool();
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::vector<Library> libraries = scanLibraries(text);
    const std::vector<Reference> expected = referenceScan(text);
    FUZZ_CHECK(libraries.size() == expected.size());
    for (size_t i = 0; i < libraries.size(); ++i) {
        FUZZ_CHECK(libraries[i].entry == expected[i].entry);
        FUZZ_CHECK(libraries[i].coordinate == expected[i].coordinate);
        FUZZ_CHECK(libraries[i].nativeClassifier.has_value() == expected[i].classifier.has_value());
        if (expected[i].classifier)
            FUZZ_CHECK(*libraries[i].nativeClassifier == *expected[i].classifier);
    }

    const platform::PathStyle style =
        windows ? platform::PathStyle::windows() : platform::PathStyle::posix();
    // Every other library folder "exists", so both branches of the probe are taken.
    int probes = 0;
    std::string classPath = classPathFromText(
        text, "g.jar", "L", style, "64", [&](const std::string&) { return ++probes % 2 == 1; });
    FUZZ_CHECK(classPath.starts_with("-cp \"") && classPath.ends_with("g.jar\""));

    if (std::optional<std::string> mainClass = findMainClass(text)) FUZZ_CHECK(!mainClass->empty());
    const std::string id = text.substr(0, 16);
    versionNumber(id);
    isSnapshotShaped(id);
    return 0;
}
