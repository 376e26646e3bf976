#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mirror {

// One file of the tree and where it comes from.
struct FetchItem {
    std::string url;
    std::string path;                 // destination, absolute
    std::optional<std::string> sha1;  // 40 lower-case hexadecimal digits, when the source gives it
    std::optional<uint64_t> size;     // in bytes, when the source gives it
};

struct FetchFailure {
    std::string url;
    std::string reason;
    bool operator==(const FetchFailure&) const = default;
};

// Files and bytes done of the total; bytes count only files whose size is known beforehand
// plus whatever arrives for the others.
struct FetchProgress {
    size_t filesDone = 0;
    size_t filesTotal = 0;
    uint64_t bytesDone = 0;
    uint64_t bytesTotal = 0;
};

struct FetchReport {
    size_t fetched = 0;  // transferred and checked now
    size_t present = 0;  // already in place and sound
    uint64_t bytesFetched = 0;
    std::vector<FetchFailure> failures;  // in the order the items were given
};

struct FetchOptions {
    int jobs = 16;
    int attempts = 3;
    // Waited before the second attempt of a file, doubled before each further one.
    std::chrono::milliseconds backoff{500};
    std::chrono::seconds connectTimeout{20};
    // A transfer that moves no byte for this long fails.
    std::chrono::seconds stallTimeout{20};
    // A certificate authority file trusted beside the system's (tests, private servers).
    std::string caFile;
    // Called at most a few times a second, and once at the end.
    std::function<void(const FetchProgress&)> progress;
};

// Whether the file at `path` is the item's file: it exists and its SHA-1 (or, without one,
// its size when known) is the expected one.
bool isInPlace(const FetchItem& item);

// Brings every item's file into place, `jobs` transfers at a time over libcurl's multi
// interface. A file already in place is left alone; every other one arrives in a temporary
// file beside its destination, is checked against its size and SHA-1 and only then renamed
// over it, so a failure never leaves a damaged file under the destination's name. A failed
// transfer is tried again after a growing pause, `attempts` times in all. Items naming the same
// destination twice are fetched once.
FetchReport fetchAll(const std::vector<FetchItem>& items, const FetchOptions& options);

}  // namespace mirror
