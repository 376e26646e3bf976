#pragma once
#include <string>
#include <vector>

namespace testing_support {

// One entry of an archive written by `writeZip`. A name ending in "/" is a folder entry.
// The name is stored exactly as given (hostile names included), flagged as UTF-8.
struct ZipSample {
    std::string name;
    std::string bytes;
    bool stored = false;  // kept uncompressed, so the test can find and damage its bytes
};

// Writes a real zip archive (jar) with libzip at `path` (parent folders created) and returns
// `path`; a failure fails the current test and returns "".
std::string writeZip(const std::string& path, const std::vector<ZipSample>& entries);

}  // namespace testing_support
