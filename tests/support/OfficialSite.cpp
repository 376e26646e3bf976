#include "OfficialSite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "platform/Sha1.h"
#include "platform/TextFile.h"

namespace testing_support {

namespace {

using nlohmann::ordered_json;

ordered_json downloadOf(const OfficialSite::Served& served, const std::string& path, size_t size) {
    return {{"path", path}, {"sha1", served.sha1}, {"size", size}, {"url", served.url}};
}

std::string jsonString(const std::string& text) {
    return ordered_json(text).dump();
}

}  // namespace

OfficialSite::OfficialSite(std::string root, std::string baseUrl)
    : root_(std::move(root)), baseUrl_(std::move(baseUrl)) {}

OfficialSite::Served OfficialSite::serve(const std::string& path, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(root_ + path).parent_path());
    EXPECT_TRUE(platform::writeFileAtomically(root_ + path, bytes)) << path;
    return {baseUrl_ + path, platform::sha1Hex(bytes)};
}

std::string OfficialSite::libraryPath(const std::string& name, const std::string& classifier) {
    size_t first = name.find(':');
    size_t second = name.find(':', first + 1);
    std::string group = name.substr(0, first);
    for (char& c : group) {
        if (c == '.') c = '/';
    }
    std::string artifact = name.substr(first + 1, second - first - 1);
    std::string version = name.substr(second + 1);
    return group + "/" + artifact + "/" + version + "/" + artifact + "-" + version +
           (classifier.empty() ? "" : "-" + classifier) + ".jar";
}

std::string OfficialSite::libraryJson(const Library& library) const {
    // Keys in alphabetical order, as the published JSONs write them (the text scan relies on
    // "natives" following "name").
    nlohmann::json json;
    if (!library.withoutDownloads) {
        ordered_json downloads = ordered_json::object();
        if (!library.artifact.empty()) {
            std::string path = libraryPath(library.name, "");
            downloads["artifact"] = downloadOf(serve("/libraries/" + path, library.artifact), path,
                                               library.artifact.size());
        }
        for (const auto& [classifier, bytes] : library.classifiers) {
            std::string path = libraryPath(library.name, classifier);
            downloads["classifiers"][classifier] =
                downloadOf(serve("/libraries/" + path, bytes), path, bytes.size());
        }
        json["downloads"] = downloads;
    } else {
        for (const auto& [classifier, bytes] : library.classifiers)
            serve("/libraries/" + libraryPath(library.name, classifier), bytes);
        if (!library.artifact.empty())
            serve("/libraries/" + libraryPath(library.name, ""), library.artifact);
    }
    json["name"] = library.name;
    if (!library.natives.empty()) {
        json["extract"] = {{"exclude", {"META-INF/"}}};
        json["natives"] = library.natives;
    }
    if (!library.rules.empty()) json["rules"] = ordered_json::parse(library.rules);
    return json.dump(2);
}

OfficialSite::Served OfficialSite::serveAssetIndex(const Version& version) const {
    // One line, as the official indexes are.
    std::string text =
        std::string("{") + (version.assetsByName ? "\"virtual\": true, " : "") + "\"objects\": {";
    for (size_t i = 0; i < version.assets.size(); ++i) {
        const auto& [name, bytes] = version.assets[i];
        const std::string hash = platform::sha1Hex(bytes);
        serve("/resources/" + hash.substr(0, 2) + "/" + hash, bytes);
        text += (i ? ", " : "") + jsonString(name) + ": {\"hash\": \"" + hash +
                "\", \"size\": " + std::to_string(bytes.size()) + "}";
    }
    text += "}}";
    const std::string sha1 = platform::sha1Hex(text);
    return serve("/v1/packages/" + sha1 + "/" + version.assetIndex + ".json", text);
}

std::string OfficialSite::addVersion(const Version& version) {
    Served jar =
        serve("/v1/objects/" + platform::sha1Hex(version.jar) + "/client.jar", version.jar);
    std::string libraries;
    for (const Library& library : version.libraries)
        libraries += (libraries.empty() ? "" : ",\n    ") + libraryJson(library);
    std::string text = "{\n  \"assets\": " + jsonString(version.assetIndex) + ",\n";
    if (!version.assetIndex.empty()) {
        Served index = serveAssetIndex(version);
        text += "  \"assetIndex\": {\"id\": " + jsonString(version.assetIndex) + ", \"sha1\": \"" +
                index.sha1 + "\", \"url\": " + jsonString(index.url) + "},\n";
    }
    text += "  \"downloads\": {\"client\": {\"sha1\": \"" + jar.sha1 +
            "\", \"size\": " + std::to_string(version.jar.size()) +
            ", \"url\": " + jsonString(jar.url) + "}},\n" + "  \"id\": " + jsonString(version.id) +
            ",\n  \"libraries\": [\n    " + libraries +
            "\n  ],\n  \"mainClass\": " + jsonString(version.mainClass) +
            ",\n  \"minecraftArguments\": " + jsonString(version.minecraftArguments) +
            ",\n  \"type\": " + jsonString(version.type) + "\n}\n";
    const std::string sha1 = platform::sha1Hex(text);
    Served json = serve("/v1/packages/" + sha1 + "/" + version.id + ".json", text);
    manifestEntries_.push_back("{\"id\": " + jsonString(version.id) + ", \"type\": " +
                               jsonString(version.type) + ", \"url\": " + jsonString(json.url) +
                               ", \"time\": \"2015-12-03T09:24:39+00:00\", \"releaseTime\": "
                               "\"2015-12-03T09:24:39+00:00\", \"sha1\": \"" +
                               json.sha1 + "\", \"complianceLevel\": 0}");
    return text;
}

void OfficialSite::writeManifest(const std::vector<std::string>& extraEntries) const {
    std::string text =
        "{\"latest\": {\"release\": \"1.8.9\", \"snapshot\": \"1.8.9\"}, \"versions\": [";
    std::vector<std::string> entries = manifestEntries_;
    entries.insert(entries.end(), extraEntries.begin(), extraEntries.end());
    for (size_t i = 0; i < entries.size(); ++i)
        text += (i ? ", " : "") + entries[i];
    serve("/mc/game/version_manifest_v2.json", text + "]}");
}

std::vector<std::string> OfficialSite::servicesLines() const {
    return {"source=official", "manifest=" + manifestUrl(), "libraries=" + librariesUrl(),
            "resources=" + resourcesUrl()};
}

}  // namespace testing_support
