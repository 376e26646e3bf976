#include "mirror/VersionFacts.h"

#include <nlohmann/json.hpp>

namespace mirror {
namespace {

std::string textMember(const nlohmann::json& object, const char* key) {
    auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : "";
}

}  // namespace

platform::Result<VersionFacts> readVersionFacts(std::string_view json, const std::string& id) {
    nlohmann::json version = nlohmann::json::parse(json, nullptr, false);
    if (version.is_discarded() || !version.is_object())
        return platform::Failure{"版本 " + id + " 的 JSON 无法解析"};
    // A JSON filed under another id would install one version under another's name.
    if (textMember(version, "id") != id)
        return platform::Failure{"版本 " + id + " 的 JSON 写的是另一个版本号“" +
                                 textMember(version, "id") + "”"};
    VersionFacts facts;
    facts.entry = {id, textMember(version, "type"), textMember(version, "time"),
                   textMember(version, "releaseTime")};
    auto index = version.find("assetIndex");
    if (index != version.end() && index->is_object()) facts.assetIndexId = textMember(*index, "id");
    if (facts.assetIndexId.empty()) facts.assetIndexId = textMember(version, "assets");
    return facts;
}

}  // namespace mirror
