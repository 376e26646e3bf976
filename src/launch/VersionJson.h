#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launch/VersionRules.h"
#include "platform/Result.h"

// A version JSON read with a JSON parser: the shapes of the current format (an `arguments`
// block, `downloads`, `rules`, `inheritsFrom`) that the older text scans never needed.
namespace launch {

// One file a document names: where it lies under its root and where to fetch it.
struct FileDownload {
    std::string path;  // relative, "/"-separated; empty when the document gives none
    std::string url;
    std::string sha1;   // lower-case hex, empty when not given
    int64_t size = -1;  // -1 when not given
    bool operator==(const FileDownload&) const = default;
};

struct JsonLibrary {
    std::string name;  // group:artifact:version[:classifier]
    std::string url;   // a loader library's repository, when it names one
    std::vector<Rule> rules;
    std::map<std::string, std::string> natives;  // os name -> classifier, "${arch}" kept
    std::vector<std::string> extractExclude;
    std::optional<FileDownload> artifact;
    std::map<std::string, FileDownload> classifiers;
};

// An element of `arguments.game` or `arguments.jvm`: its texts and the rules that allow it.
struct Argument {
    std::vector<std::string> values;
    std::vector<Rule> rules;
};

struct AssetIndexReference {
    std::string id;
    std::string url;
    std::string sha1;
    int64_t size = -1;
};

struct VersionJson {
    std::string id;
    std::string inheritsFrom;
    std::string type;
    std::string mainClass;
    std::string jar;
    std::string assets;
    std::optional<std::string> minecraftArguments;
    // Present exactly when the JSON has an `arguments` block.
    std::optional<std::vector<Argument>> gameArguments;
    std::optional<std::vector<Argument>> jvmArguments;
    std::optional<AssetIndexReference> assetIndex;
    std::optional<int> javaMajorVersion;
    std::optional<FileDownload> client;
    std::vector<JsonLibrary> libraries;

    bool hasArgumentsBlock() const { return gameArguments || jvmArguments; }
};

// The version JSON in `text`; the failure names what is malformed (not JSON, not an object,
// a known key of the wrong kind).
platform::Result<VersionJson> parseVersionJson(std::string_view text);

}  // namespace launch
