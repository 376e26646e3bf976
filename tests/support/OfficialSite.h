#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// The game's official documents in their own shapes, written into `root` for a server that
// serves it at `baseUrl` (plain or TLS), every URL pointing back at that server:
//   /mc/game/version_manifest_v2.json      the manifest v2, one line, ": " separators
//   /v1/packages/<sha1>/<id>.json          version JSONs (downloads blocks) and asset indexes
//   /v1/objects/<sha1>/client.jar          game jars
//   /libraries/<library path>              libraries and natives jars
//   /resources/<hh>/<hash>                 asset objects
class OfficialSite {
  public:
    struct Library {
        std::string name;                                // group:artifact:version
        std::string artifact;                            // the plain jar's bytes; empty: none
        std::map<std::string, std::string> classifiers;  // classifier -> jar bytes
        std::map<std::string, std::string> natives;      // os -> classifier
        std::string rules;                               // a JSON array, or empty
        bool withoutDownloads = false;  // only the name: fetched by the library path rule
    };
    struct Version {
        std::string id;
        std::string type = "release";
        std::string jar;  // the game jar's bytes
        std::string mainClass = "net.minecraft.client.main.Main";
        std::string minecraftArguments = "--username ${auth_player_name} --version ${version_name}";
        std::vector<Library> libraries;
        std::string assetIndex;                                   // its id
        std::vector<std::pair<std::string, std::string>> assets;  // name -> bytes
        bool assetsByName = false;                                // "virtual": true
    };
    struct Served {
        std::string url;
        std::string sha1;
    };

    OfficialSite(std::string root, std::string baseUrl);

    // Writes `bytes` at `path` (from "/") and returns its URL and SHA-1.
    Served serve(const std::string& path, const std::string& bytes) const;
    // Writes the version's JSON, jar, libraries, asset index and objects; returns the JSON text.
    std::string addVersion(const Version& version);
    // Writes the manifest of the versions added so far, with `extraEntries` (raw JSON objects)
    // after them.
    void writeManifest(const std::vector<std::string>& extraEntries = {}) const;

    // The library path of a coordinate and classifier ("" for the plain jar).
    static std::string libraryPath(const std::string& name, const std::string& classifier);
    // The services.ini lines that choose the official source on this site.
    std::vector<std::string> servicesLines() const;

    std::string manifestUrl() const { return baseUrl_ + "/mc/game/version_manifest_v2.json"; }
    std::string librariesUrl() const { return baseUrl_ + "/libraries"; }
    std::string resourcesUrl() const { return baseUrl_ + "/resources"; }

  private:
    std::string libraryJson(const Library& library) const;
    Served serveAssetIndex(const Version& version) const;

    std::string root_;
    std::string baseUrl_;
    std::vector<std::string> manifestEntries_;
};

}  // namespace testing_support
