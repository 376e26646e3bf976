#include "OfficialDocuments.h"

#include <gtest/gtest.h>

#include <map>

#include <nlohmann/json.hpp>

#include "ZipBuilder.h"
#include "platform/Sha1.h"

namespace mirror_test {
namespace {

// Sorted keys, as the official documents list them.
using Json = nlohmann::json;
using testing_support::ZipSample;

Json download(const Served& served, const std::string& path = "") {
    Json file = Json::object();
    if (!path.empty()) file["path"] = path;
    file["sha1"] = served.sha1;
    file["size"] = served.size;
    file["url"] = served.url;
    return file;
}

Json osRule(const char* action, const std::string& os, const std::string& arch = "") {
    Json rule = {{"action", action}, {"os", {{"name", os}}}};
    if (!arch.empty()) rule["os"]["arch"] = arch;
    return rule;
}

// The natives jars by their path below /libraries/ and the native libraries each holds.
const std::map<std::string, std::vector<std::string>>& nativesJars() {
    static const std::map<std::string, std::vector<std::string>> kJars = {
        {"org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/"
         "lwjgl-platform-2.9.4-nightly-20150209-natives-windows.jar",
         {"lwjgl.dll", "lwjgl64.dll", "OpenAL32.dll", "OpenAL64.dll"}},
        {"org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/"
         "lwjgl-platform-2.9.4-nightly-20150209-natives-linux.jar",
         {"liblwjgl.so", "liblwjgl64.so", "libopenal.so", "libopenal64.so"}},
        {"net/java/jinput/jinput-platform/2.0.5/jinput-platform-2.0.5-natives-windows.jar",
         {"jinput-dx8.dll", "jinput-dx8_64.dll", "jinput-raw.dll", "jinput-raw_64.dll",
          "jinput-wintab.dll"}},
        {"net/java/jinput/jinput-platform/2.0.5/jinput-platform-2.0.5-natives-linux.jar",
         {"libjinput-linux.so", "libjinput-linux64.so"}},
        {"tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-32.jar",
         {"twitchsdk.dll"}},
        {"tv/twitch/twitch-platform/6.5/twitch-platform-6.5-natives-windows-64.jar",
         {"twitchsdk.dll"}},
        {"tv/twitch/twitch-external-platform/4.5/"
         "twitch-external-platform-4.5-natives-windows-32.jar",
         {"avutil-ttv-51.dll", "swresample-ttv-0.dll", "libmp3lame-ttv.dll"}},
        {"tv/twitch/twitch-external-platform/4.5/"
         "twitch-external-platform-4.5-natives-windows-64.jar",
         {"avutil-ttv-51.dll", "swresample-ttv-0.dll", "libmp3lame-ttv.dll"}},
    };
    return kJars;
}

// One line with a blank behind every ":" and "," between values, as the documents are published.
std::string published(const Json& document) {
    std::string compact = document.dump();
    std::string text;
    bool inString = false;
    for (size_t i = 0; i < compact.size(); ++i) {
        char c = compact[i];
        text += c;
        if (inString) {
            if (c == '\\')
                text += compact[++i];
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == ':' || c == ',') {
            text += ' ';
        }
    }
    return text;
}

}  // namespace

OfficialDocuments::OfficialDocuments(Jars jars) : jars_(std::move(jars)) {
    if (!testing_support::NginxServer::available()) return;
    nginx_ = std::make_unique<testing_support::NginxServer>(
        testing_support::NginxServer::Options{www_.path(), {}, ""});
    if (!nginx_->running()) return;
    for (const auto& [path, names] : nativesJars()) {
        std::vector<ZipSample> entries = {{"META-INF/MANIFEST.MF", "Manifest-Version: 1.0\n"}};
        bool narrow = path.find("-32.jar") != std::string::npos;
        for (const std::string& name : names)
            entries.push_back({name, nativeBytes(name) + (narrow ? " (32-bit)" : "")});
        testing_support::writeZip(file("libraries/" + path), entries);
    }
    Json versions = Json::array();
    for (const std::string& id : manifestIds()) {
        Served json = put("mc/v1/packages/" + (id == "../evil" ? "evil" : id) + ".json",
                          id == "../evil" ? "{}" : versionJson(id));
        versions.push_back({{"id", id},
                            {"type", "release"},
                            {"url", json.url},
                            {"time", "2023-06-12T12:00:00+00:00"},
                            {"releaseTime", "2023-06-12T12:00:00+00:00"},
                            {"sha1", json.sha1},
                            {"complianceLevel", 1}});
    }
    Json manifest = {{"latest", {{"release", "1.20.1"}, {"snapshot", "1.20.1"}}},
                     {"versions", versions}};
    put("mc/version_manifest_v2.json", published(manifest));
}

std::vector<std::string> OfficialDocuments::manifestIds() {
    return {"1.20.1", "1.12.2", "1.12.1", "1.7.10", "../evil"};
}

std::vector<std::pair<std::string, std::string>> OfficialDocuments::objectsOf(
    const std::string& id) {
    if (id == "1.20.1")
        return {{"minecraft/sounds/new.ogg", "new sound"}, {"icons/icon.png", "icon"}};
    if (id == "1.12.2")
        return {{"minecraft/sounds/ambient/cave/cave1.ogg", "cave sound"},
                {"minecraft/lang/zh_cn.lang", "中文"},
                {"icons/icon.png", "icon"}};
    return {{"sound/step/grass1.ogg", "grass step"}, {"lang/说明.txt", "说明"}};
}

std::string OfficialDocuments::nativeBytes(const std::string& name) {
    return "native library " + name;
}

Served OfficialDocuments::put(const std::string& relative, const std::string& bytes) {
    www_.write(relative, bytes);
    return {base() + "/" + relative, platform::sha1Hex(bytes), static_cast<int64_t>(bytes.size())};
}

Served OfficialDocuments::library(const std::string& path, const std::string& bytes) {
    return put("libraries/" + path, bytes);
}

std::string OfficialDocuments::versionJson(const std::string& id) {
    Json index = {{"objects", Json::object()}};
    if (id == "1.7.10") index = {{"virtual", true}, {"objects", Json::object()}};
    for (const auto& [name, text] : objectsOf(id)) {
        std::string hash = platform::sha1Hex(text);
        put("resources/" + hash.substr(0, 2) + "/" + hash, text);
        index["objects"][name] = {{"hash", hash}, {"size", text.size()}};
    }
    std::string indexId = id == "1.20.1" ? "5" : id == "1.12.2" ? "1.12" : id;
    Served indexFile = put("mc/v1/indexes/" + indexId + ".json", published(index));
    bool real = id == "1.12.2" && !jars_.game.empty();
    Served client =
        put("mc/v1/objects/client-" + id + ".jar", real ? jars_.game : "game jar " + id);
    Json version = {{"id", id},
                    {"type", "release"},
                    {"mainClass", "net.minecraft.client.main.Main"},
                    {"assets", indexId},
                    {"assetIndex",
                     {{"id", indexId},
                      {"sha1", indexFile.sha1},
                      {"size", indexFile.size},
                      {"totalSize", 100},
                      {"url", indexFile.url}}},
                    {"downloads", {{"client", download(client)}}}};
    Json libraries = Json::array();
    auto plain = [&](const std::string& name, const std::string& path, Json rules = nullptr) {
        std::string bytes = !jars_.library.empty() && name == "com.mojang:realms:1.10.22"
                                ? jars_.library
                                : "jar " + name;
        Json library = {{"name", name},
                        {"downloads", {{"artifact", download(this->library(path, bytes), path)}}}};
        if (!rules.is_null()) library["rules"] = rules;
        libraries.push_back(library);
    };
    auto natives = [&](const std::string& name, const std::string& base, Json osMap,
                       const std::vector<std::string>& classifiers) {
        Json downloads = Json::object();
        for (const std::string& classifier : classifiers) {
            std::string path = base + "-" + classifier + ".jar";
            std::string bytes = testing_support::readAll(file("libraries/" + path));
            Served jar{librariesHost() + "/" + path, platform::sha1Hex(bytes),
                       static_cast<int64_t>(bytes.size())};
            downloads[classifier] = download(jar, path);
        }
        libraries.push_back({{"name", name},
                             {"natives", osMap},
                             {"extract", {{"exclude", Json::array({"META-INF/"})}}},
                             {"downloads", {{"classifiers", downloads}}}});
    };
    if (id == "1.20.1") {
        version["arguments"] = {{"game", Json::array({"--username", "${auth_player_name}"})},
                                {"jvm", Json::array({"-cp", "${classpath}"})}};
        version["javaVersion"] = {{"component", "java-runtime-gamma"}, {"majorVersion", 17}};
        plain("org.lwjgl:lwjgl:3.3.1", "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1.jar");
        plain("org.lwjgl:lwjgl:3.3.1:natives-linux",
              "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar",
              Json::array({osRule("allow", "linux")}));
        plain("org.lwjgl:lwjgl:3.3.1:natives-windows",
              "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-windows.jar",
              Json::array({osRule("allow", "windows")}));
        plain("org.lwjgl:lwjgl:3.3.1:natives-windows-x86",
              "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-windows-x86.jar",
              Json::array({osRule("allow", "windows", "x86")}));
        plain("org.lwjgl:lwjgl:3.3.1:natives-macos",
              "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-macos.jar",
              Json::array({osRule("allow", "osx")}));
    } else {
        version["minecraftArguments"] = "--username ${auth_player_name} --version ${version_name}";
        plain("com.mojang:realms:1.10.22", "com/mojang/realms/1.10.22/realms-1.10.22.jar");
        plain("org.lwjgl.lwjgl:lwjgl:2.9.4-nightly-20150209",
              "org/lwjgl/lwjgl/lwjgl/2.9.4-nightly-20150209/lwjgl-2.9.4-nightly-20150209.jar",
              Json::array({Json{{"action", "allow"}}, osRule("disallow", "osx")}));
        plain("org.lwjgl.lwjgl:lwjgl:2.9.2-nightly-20140822",
              "org/lwjgl/lwjgl/lwjgl/2.9.2-nightly-20140822/lwjgl-2.9.2-nightly-20140822.jar",
              Json::array({osRule("allow", "osx")}));
        natives(
            "org.lwjgl.lwjgl:lwjgl-platform:2.9.4-nightly-20150209",
            "org/lwjgl/lwjgl/lwjgl-platform/2.9.4-nightly-20150209/"
            "lwjgl-platform-2.9.4-nightly-20150209",
            {{"linux", "natives-linux"}, {"osx", "natives-osx"}, {"windows", "natives-windows"}},
            {"natives-linux", "natives-windows"});
        natives("net.java.jinput:jinput-platform:2.0.5",
                "net/java/jinput/jinput-platform/2.0.5/jinput-platform-2.0.5",
                {{"linux", "natives-linux"}, {"windows", "natives-windows"}},
                {"natives-linux", "natives-windows"});
        if (id == "1.12.2") {
            natives("tv.twitch:twitch-platform:6.5",
                    "tv/twitch/twitch-platform/6.5/twitch-platform-6.5",
                    {{"windows", "natives-windows-${arch}"}},
                    {"natives-windows-32", "natives-windows-64"});
            natives("tv.twitch:twitch-external-platform:4.5",
                    "tv/twitch/twitch-external-platform/4.5/twitch-external-platform-4.5",
                    {{"windows", "natives-windows-${arch}"}},
                    {"natives-windows-32", "natives-windows-64"});
        }
    }
    if (id == "1.12.1") {
        // A library whose path climbs out of the libraries folder, its file served elsewhere.
        Served escape = library("evil/escape.jar", "escape");
        libraries.push_back(
            {{"name", "evil:escape:1"},
             {"downloads", {{"artifact", download(escape, "../../../escape.jar")}}}});
    }
    version["libraries"] = libraries;
    return published(version);
}

}  // namespace mirror_test
