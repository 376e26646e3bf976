#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "NginxServer.h"
#include "TempFolder.h"

// Documents in the shapes the game's official servers publish, served by nginx on loopback
// with URLs that point back at it: a one-line manifest v2, version JSONs with `downloads`
// blocks, one-line asset indexes, natives jars with the native libraries of both start-up
// tables. Libraries live under /libraries/ (also the library host), objects under
// /resources/<hh>/<hash> (the resource host).
namespace mirror_test {

struct Served {
    std::string url;
    std::string sha1;
    int64_t size = 0;
};

class OfficialDocuments {
  public:
    // Bytes that replace the stand-in texts of 1.12.2's game jar and of its library
    // "com.mojang:realms:1.10.22", so a real game can start from them.
    struct Jars {
        std::string game;
        std::string library;
    };

    explicit OfficialDocuments(Jars jars = {});

    bool running() const { return nginx_ && nginx_->running(); }
    std::string base() const { return nginx_->baseUrl(); }
    std::string manifestUrl() const { return base() + "/mc/version_manifest_v2.json"; }
    std::string librariesHost() const { return base() + "/libraries"; }
    std::string resourcesHost() const { return base() + "/resources"; }
    // The program's command line that syncs `versions` ("1.7.10,1.12.2") from here into `out`.
    std::vector<std::string> syncArguments(const std::string& out,
                                           const std::string& versions) const {
        return {"sync",         "--out",       out,           "--versions",    versions,
                "--manifest",   manifestUrl(), "--libraries", librariesHost(), "--resources",
                resourcesHost()};
    }
    // The served file at `relative` ("libraries/...").
    std::string file(const std::string& relative) const { return www_.path() + "/" + relative; }

    // The ids of the manifest, in its order: a current-format version, an older one with
    // LWJGL 2 natives, one of them with a library whose path climbs out of its folder, a
    // legacy-asset one, and an entry whose id climbs out of its folder.
    static std::vector<std::string> manifestIds();
    // The object names of a version's index and the text stored for each.
    static std::vector<std::pair<std::string, std::string>> objectsOf(const std::string& id);
    // The bytes of the native library `name` inside its natives jar.
    static std::string nativeBytes(const std::string& name);

  private:
    Served put(const std::string& relative, const std::string& bytes);
    Served library(const std::string& path, const std::string& bytes);
    std::string versionJson(const std::string& id);

    Jars jars_;

    testing_support::TempFolder www_{"official"};
    std::unique_ptr<testing_support::NginxServer> nginx_;
};

}  // namespace mirror_test
