#include "market/Catalogue.h"

#include <array>
#include <utility>

#include "download/HttpGetText.h"
#include "download/VersionFolderName.h"
#include "platform/AsciiText.h"

namespace market {

namespace {

constexpr std::string_view kIdMarker = "\"id\": \"";
constexpr std::string_view kTypeMarker = "\"type\": \"";
constexpr std::string_view kNameLabel = "版本名称：";
constexpr std::string_view kTypeLabel = "版本类型：";
constexpr std::string_view kTypeSeparator = " 版本类型：";

// The text from `start` up to the next double quote (the rest of the text without one).
std::string_view quotedValue(std::string_view text, size_t start) {
    if (start >= text.size()) return {};
    return text.substr(start, text.find('"', start) - start);
}

}  // namespace

std::string catalogueTypeText(std::string type) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kNames = {{
        {"snapshot", "快照版"},
        {"release", "正式版"},
        {"old_alpha", "Alpha版"},
        {"old_beta", "Beta版"},
    }};
    for (auto [from, to] : kNames)
        type = platform::replacedAll(type, from, to);
    return type;
}

std::vector<CatalogueEntry> scanCatalogue(std::string_view text,
                                          const std::function<void()>& perEntry) {
    std::vector<CatalogueEntry> entries;
    // Each search starts one character behind the previous id marker.
    for (size_t id = text.find(kIdMarker, 1); id != std::string_view::npos;
         id = text.find(kIdMarker, id + 1)) {
        std::string_view value = quotedValue(text, id + kIdMarker.size());
        size_t type = text.find(kTypeMarker, id);
        std::string_view typeValue =
            type == std::string_view::npos ? "" : quotedValue(text, type + kTypeMarker.size());
        if (download::isVersionFolderName(value))
            entries.push_back({std::string(value), catalogueTypeText(std::string(typeValue))});
        if (perEntry) perEntry();
    }
    return entries;
}

std::string catalogueLine(const CatalogueEntry& entry) {
    return std::string(kNameLabel) + entry.id + std::string(kTypeSeparator) + entry.typeText;
}

CatalogueDetails detailsOfLine(std::string_view line) {
    size_t name = line.starts_with(kNameLabel) ? kNameLabel.size() : 0;
    size_t type = line.find(kTypeSeparator, name);
    if (type == std::string_view::npos) type = line.size();
    std::string_view typeText =
        type < line.size() ? line.substr(type + kTypeSeparator.size()) : std::string_view{};
    return {std::string(kNameLabel) + std::string(line.substr(name, type - name)),
            std::string(kTypeLabel) + std::string(typeText)};
}

Catalogue fetchCatalogue(platform::HttpClient& http, const ServiceHosts& hosts,
                         const std::function<void()>& perEntry) {
    const std::string url = hosts.mirror + "/versions/versions.json";
    platform::Result<std::string> text = download::fetchDocument(http, url);
    if (!text) return {{}, "无法获取版本列表：" + text.reason()};
    Catalogue catalogue{scanCatalogue(text.value(), perEntry), {}};
    if (catalogue.entries.empty()) catalogue.failure = "版本列表是空的：" + url + " 中没有版本";
    return catalogue;
}

}  // namespace market
