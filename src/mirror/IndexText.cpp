#include "mirror/IndexText.h"

#include <nlohmann/json.hpp>

namespace mirror {
namespace {

using Json = nlohmann::ordered_json;

platform::Result<Json> parsed(std::string_view text) {
    Json json = Json::parse(text, nullptr, false);
    if (json.is_discarded()) return platform::Failure{"不是有效的 JSON"};
    return json;
}

std::string written(const Json& json) {
    // Names stay UTF-8 as published; a broken sequence is replaced rather than refused.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace

platform::Result<std::string> reindented(std::string_view json) {
    platform::Result<Json> tree = parsed(json);
    if (!tree) return platform::Failure{tree.reason()};
    return written(tree.value());
}

platform::Result<std::string> mergedIndex(const std::vector<std::string>& indexes) {
    Json merged = Json::object();
    merged["objects"] = Json::object();
    for (size_t i = 0; i < indexes.size(); ++i) {
        platform::Result<Json> index = parsed(indexes[i]);
        if (!index || !index->is_object() || !index->contains("objects") ||
            !index->at("objects").is_object())
            return platform::Failure{"第 " + std::to_string(i + 1) +
                                     " 个资源索引没有 objects 对象"};
        for (const auto& [key, value] : index->items()) {
            if (key == "objects") {
                Json& objects = merged["objects"];
                for (const auto& [name, object] : value.items())
                    if (!objects.contains(name)) objects[name] = object;
            } else if (!merged.contains(key)) {
                merged[key] = value;
            }
        }
    }
    return written(merged);
}

}  // namespace mirror
