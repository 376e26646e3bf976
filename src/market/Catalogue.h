#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "context/ServiceHosts.h"
#include "platform/HttpClient.h"

namespace market {

// One game version of the mirror's catalogue.
struct CatalogueEntry {
    std::string id;
    std::string typeText;  // the "type" value as shown ("正式版" for "release")
    bool operator==(const CatalogueEntry&) const = default;
};

// The catalogue the market window lists; `failure` says why it is empty when the fetch failed.
struct Catalogue {
    std::vector<CatalogueEntry> entries;
    std::string failure;
};

// "snapshot", "release", "old_alpha", "old_beta" replaced by their Chinese names, each
// everywhere, in this order; any other text unchanged.
std::string catalogueTypeText(std::string type);

// Every `"id": "` of `text` in text order, with the type searched from the id on (an entry
// without a type takes the next one's). Ids that cannot name a version folder are skipped.
// `perEntry` runs once per entry found (the window lets its events run there).
std::vector<CatalogueEntry> scanCatalogue(std::string_view text,
                                          const std::function<void()>& perEntry = {});

// The line of the visible catalogue: "版本名称：" + id + " 版本类型：" + type text.
std::string catalogueLine(const CatalogueEntry& entry);

// The two detail labels for a catalogue line: "版本名称：" + id and "版本类型：" + type text.
struct CatalogueDetails {
    std::string name;
    std::string type;
};
CatalogueDetails detailsOfLine(std::string_view line);

// Fetches "/versions/versions.json" from the mirror and scans it. A failed fetch or an
// error status gives an empty catalogue and the reason.
Catalogue fetchCatalogue(platform::HttpClient& http, const ServiceHosts& hosts,
                         const std::function<void()>& perEntry = {});

}  // namespace market
