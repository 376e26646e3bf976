#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace market {

// Which asset index a version uses.
enum class AssetPath {
    SharedIndex,  // the mirror's "1.8.json", objects by hash
    PerVersion,   // the mirror's "<id>.json", objects by hash
    Legacy,       // the official "legacy.json", resources by name
};

// A minor number above 7.9: shared index; else a snapshot-shaped id: per-version index; else
// legacy.
AssetPath chooseAssetPath(std::string_view id);

// The keys an index scan looks at are found by four blanks and a double quote, so nested
// keys are found too.
// Every "hash" key's value, in index order, only those that are 40 hexadecimal digits.
std::vector<std::string> scanHashKeys(std::string_view index);
// Every key that is neither "hash" nor "size", in index order, only safe resource names.
std::vector<std::string> scanNameKeys(std::string_view index);

}  // namespace market
