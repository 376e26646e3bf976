#include "mirror/CatalogueText.h"

#include <nlohmann/json.hpp>

namespace mirror {

std::string catalogueText(const std::vector<CatalogueEntry>& entries) {
    using Json = nlohmann::ordered_json;
    Json latest = Json::object();
    Json versions = Json::array();
    for (const CatalogueEntry& entry : entries) {
        // The manifest names the newest of each kind; the catalogue lists newest first.
        if ((entry.type == "release" || entry.type == "snapshot") && !latest.contains(entry.type))
            latest[entry.type] = entry.id;
        Json version = {{"id", entry.id}, {"type", entry.type}};
        if (!entry.time.empty()) version["time"] = entry.time;
        if (!entry.releaseTime.empty()) version["releaseTime"] = entry.releaseTime;
        versions.push_back(version);
    }
    Json catalogue = {{"latest", latest}, {"versions", versions}};
    return catalogue.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace mirror
