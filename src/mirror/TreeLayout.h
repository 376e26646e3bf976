#pragma once
#include <string>
#include <string_view>

#include "platform/Result.h"

// Where each file lies in a mirror tree: the paths the launcher asks its mirror service,
// official download host and file host for, all served from one folder. Every name that
// arrives from a document is checked before it becomes part of a path, so nothing is ever
// written outside the tree; a refused name fails with the name and the reason.
namespace mirror {

class TreeLayout {
  public:
    explicit TreeLayout(std::string root) : root_(std::move(root)) {}

    const std::string& root() const { return root_; }
    // root + "/" + relative ("/"-separated).
    std::string path(std::string_view relative) const;

    static std::string catalogue() { return "versions/versions.json"; }
    static std::string sharedIndex() { return "indexes/1.8.json"; }
    static std::string legacyIndex() { return "Minecraft.Download/indexes/legacy.json"; }

    static platform::Result<std::string> versionJar(std::string_view id);
    static platform::Result<std::string> versionJson(std::string_view id);
    // "indexes/<id>.json": a snapshot's own index, or a current version's by its index id.
    static platform::Result<std::string> namedIndex(std::string_view id);
    // `libraryPath`: the jar's path below the libraries folder, "/"-separated.
    static platform::Result<std::string> library(std::string_view libraryPath);
    static platform::Result<std::string> object(std::string_view hash);
    static platform::Result<std::string> resource(std::string_view name);
    // A file of the launcher's file host, at the root: a native library.
    static platform::Result<std::string> rootFile(std::string_view name);

  private:
    std::string root_;
};

// A version id usable as a folder and file name.
platform::Result<void> checkVersionId(std::string_view id);

}  // namespace mirror
