#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "download/DownloadNames.h"

// Ids, hashes and names that arrive from the network become parts of paths under the game
// folder. These tests decide which of them may; whatever fails one is skipped, so nothing is
// ever written outside the game folder.
namespace market {

using download::isSafePathElement;
using download::isSafeRelativeFolder;

// Exactly `count` hexadecimal digits, in either case.
bool isHexDigits(std::string_view text, size_t count);

// Exactly 40 hexadecimal digits: the name of an asset object.
bool isAssetHash(std::string_view hash);

// A relative path written with "/" whose every element is a safe path element and whose first
// element is not one of the asset folder's own sub-folders (objects, indexes, virtual, in any
// case, since Windows ignores it).
bool isSafeResourceName(std::string_view name);

// The host (and port) of a URL, what a player recognises a server by: "127.0.0.1:8080" for
// "https://127.0.0.1:8080/a/b"; the text itself when it has no scheme.
std::string hostOfUrl(std::string_view url);

}  // namespace market
