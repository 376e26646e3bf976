#include "launch/VersionJson.h"

#include <nlohmann/json.hpp>

namespace launch {
namespace {

using nlohmann::json;

// Raised inside the parser only, turned into the failure at its edge.
struct Malformed {
    std::string key;
};

const json* member(const json& object, const char* key, json::value_t kind, const char* name) {
    auto found = object.find(key);
    if (found == object.end() || found->is_null()) return nullptr;
    // Numbers come as signed, unsigned or floating values; any of them is a number.
    bool kindMatches =
        kind == json::value_t::number_integer ? found->is_number_integer() : found->type() == kind;
    if (!kindMatches) throw Malformed{name};
    return &*found;
}

std::string text(const json& object, const char* key, const char* name) {
    const json* value = member(object, key, json::value_t::string, name);
    return value ? value->get<std::string>() : std::string();
}

int64_t number(const json& object, const char* key, const char* name) {
    const json* value = member(object, key, json::value_t::number_integer, name);
    return value ? value->get<int64_t>() : -1;
}

const json* objectMember(const json& object, const char* key, const char* name) {
    return member(object, key, json::value_t::object, name);
}

const json* arrayMember(const json& object, const char* key, const char* name) {
    return member(object, key, json::value_t::array, name);
}

FileDownload fileDownload(const json& object, const char* name) {
    if (!object.is_object()) throw Malformed{name};
    return {text(object, "path", name), text(object, "url", name), text(object, "sha1", name),
            number(object, "size", name)};
}

std::vector<Rule> rules(const json& owner, const char* name) {
    std::vector<Rule> result;
    const json* list = arrayMember(owner, "rules", name);
    if (!list) return result;
    for (const json& entry : *list) {
        if (!entry.is_object()) throw Malformed{name};
        Rule rule;
        rule.allow = text(entry, "action", name) != "disallow";
        if (const json* os = objectMember(entry, "os", name)) {
            if (os->contains("name")) rule.osName = text(*os, "name", name);
            if (os->contains("arch")) rule.osArch = text(*os, "arch", name);
            if (os->contains("version")) rule.osVersion = text(*os, "version", name);
        }
        if (const json* features = objectMember(entry, "features", name)) {
            for (const auto& [feature, wanted] : features->items()) {
                if (!wanted.is_boolean()) throw Malformed{name};
                rule.features[feature] = wanted.get<bool>();
            }
        }
        result.push_back(std::move(rule));
    }
    return result;
}

std::vector<Argument> arguments(const json& list, const char* name) {
    std::vector<Argument> result;
    for (const json& entry : list) {
        Argument argument;
        if (entry.is_string()) {
            argument.values.push_back(entry.get<std::string>());
        } else if (entry.is_object()) {
            argument.rules = rules(entry, name);
            const json& value = entry.contains("value") ? entry["value"] : json();
            if (value.is_string()) {
                argument.values.push_back(value.get<std::string>());
            } else if (value.is_array()) {
                for (const json& item : value) {
                    if (!item.is_string()) throw Malformed{name};
                    argument.values.push_back(item.get<std::string>());
                }
            } else {
                throw Malformed{name};
            }
        } else {
            throw Malformed{name};
        }
        result.push_back(std::move(argument));
    }
    return result;
}

JsonLibrary library(const json& entry) {
    const char* name = "libraries";
    if (!entry.is_object()) throw Malformed{name};
    JsonLibrary result;
    result.name = text(entry, "name", name);
    result.url = text(entry, "url", name);
    result.rules = rules(entry, name);
    if (const json* natives = objectMember(entry, "natives", name)) {
        for (const auto& [os, classifier] : natives->items()) {
            if (!classifier.is_string()) throw Malformed{name};
            result.natives[os] = classifier.get<std::string>();
        }
    }
    if (const json* extract = objectMember(entry, "extract", name)) {
        if (const json* exclude = arrayMember(*extract, "exclude", name)) {
            for (const json& prefix : *exclude) {
                if (!prefix.is_string()) throw Malformed{name};
                result.extractExclude.push_back(prefix.get<std::string>());
            }
        }
    }
    if (const json* downloads = objectMember(entry, "downloads", name)) {
        if (const json* artifact = objectMember(*downloads, "artifact", name))
            result.artifact = fileDownload(*artifact, name);
        if (const json* classifiers = objectMember(*downloads, "classifiers", name)) {
            for (const auto& [classifier, file] : classifiers->items())
                result.classifiers[classifier] = fileDownload(file, name);
        }
    }
    return result;
}

VersionJson version(const json& root) {
    VersionJson result;
    result.id = text(root, "id", "id");
    result.inheritsFrom = text(root, "inheritsFrom", "inheritsFrom");
    result.type = text(root, "type", "type");
    result.mainClass = text(root, "mainClass", "mainClass");
    result.jar = text(root, "jar", "jar");
    result.assets = text(root, "assets", "assets");
    if (root.contains("minecraftArguments"))
        result.minecraftArguments = text(root, "minecraftArguments", "minecraftArguments");
    if (const json* block = objectMember(root, "arguments", "arguments")) {
        const json* game = arrayMember(*block, "game", "arguments.game");
        const json* jvm = arrayMember(*block, "jvm", "arguments.jvm");
        result.gameArguments = game ? arguments(*game, "arguments.game") : std::vector<Argument>{};
        result.jvmArguments = jvm ? arguments(*jvm, "arguments.jvm") : std::vector<Argument>{};
    }
    if (const json* index = objectMember(root, "assetIndex", "assetIndex")) {
        result.assetIndex = AssetIndexReference{
            text(*index, "id", "assetIndex"), text(*index, "url", "assetIndex"),
            text(*index, "sha1", "assetIndex"), number(*index, "size", "assetIndex")};
    }
    if (const json* java = objectMember(root, "javaVersion", "javaVersion")) {
        int64_t major = number(*java, "majorVersion", "javaVersion");
        if (major > 0) result.javaMajorVersion = static_cast<int>(major);
    }
    if (const json* downloads = objectMember(root, "downloads", "downloads")) {
        if (const json* client = objectMember(*downloads, "client", "downloads.client"))
            result.client = fileDownload(*client, "downloads.client");
    }
    if (const json* list = arrayMember(root, "libraries", "libraries")) {
        for (const json& entry : *list)
            result.libraries.push_back(library(entry));
    }
    return result;
}

}  // namespace

platform::Result<VersionJson> parseVersionJson(std::string_view text) {
    json root = json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (root.is_discarded()) return platform::Failure{"版本描述不是有效的 JSON"};
    if (!root.is_object()) return platform::Failure{"版本描述不是 JSON 对象"};
    try {
        return version(root);
    } catch (const Malformed& malformed) {
        return platform::Failure{"版本描述的“" + malformed.key + "”格式不对"};
    } catch (const json::exception&) {
        return platform::Failure{"版本描述的格式不对"};
    }
}

}  // namespace launch
