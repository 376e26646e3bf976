#include "market/OfficialFiles.h"

#include <nlohmann/json.hpp>

#include "launch/LibraryPath.h"
#include "launch/VersionText.h"
#include "market/NetworkNames.h"
#include "platform/AsciiText.h"

namespace market {

namespace {

using launch::FileDownload;
using launch::JsonLibrary;
using launch::VersionJson;

// An item whose every piece from the document is checked: a web address, a path that stays
// inside the game folder and a well-formed SHA-1.
platform::Result<DownloadItem> checkedItem(const std::string& url, const std::string& path,
                                           const std::string& sha1, int64_t size,
                                           const std::string& what) {
    if (!isWebAddress(url)) return platform::Failure{what + " 的地址不是网址：" + url};
    if (!isSafeRelativeFolder(path, '/'))
        return platform::Failure{what + " 的路径会离开游戏文件夹：" + path};
    std::string hash = platform::lowerAscii(sha1);
    if (!hash.empty() && !isHexDigits(hash, 40))
        return platform::Failure{what + " 的 SHA-1 无效：" + sha1};
    return DownloadItem{url, path, hash, size};
}

std::string withoutTrailingSlashes(std::string url) {
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

// "group/artifact/version/artifact-version[-classifier].jar" for a coordinate.
std::optional<std::string> ruledPath(std::string_view name, std::string_view classifier) {
    std::optional<LibraryCoordinate> coordinate =
        splitCoordinate(std::string(name), platform::PathStyle::posix());
    if (!coordinate) return std::nullopt;
    return coordinate->folderPart + "/" + jarName(*coordinate, std::string(classifier));
}

platform::Result<DownloadItem> libraryItem(const JsonLibrary* library, std::string_view name,
                                           std::string_view classifier,
                                           const std::string& librariesHost) {
    const std::string what = "库 " + std::string(name) +
                             (classifier.empty() ? "" : " (" + std::string(classifier) + ")");
    const FileDownload* download = nullptr;
    if (library && classifier.empty() && library->artifact) download = &*library->artifact;
    if (library && !classifier.empty()) {
        auto found = library->classifiers.find(std::string(classifier));
        if (found != library->classifiers.end()) download = &found->second;
    }
    std::optional<std::string> ruled = ruledPath(name, classifier);
    if (download && !download->url.empty()) {
        std::string path = download->path.empty() ? ruled.value_or("") : download->path;
        return checkedItem(download->url, "libraries/" + path, download->sha1, download->size,
                           what);
    }
    if (!ruled) return platform::Failure{what + " 不是有效的库名"};
    std::string host = library && !library->url.empty() ? library->url : librariesHost;
    return checkedItem(withoutTrailingSlashes(host) + "/" + *ruled, "libraries/" + *ruled,
                       download ? download->sha1 : "", download ? download->size : -1, what);
}

const JsonLibrary* findLibrary(const VersionJson& version, std::string_view name) {
    for (const JsonLibrary& library : version.libraries) {
        if (library.name == name) return &library;
    }
    return nullptr;
}

// Items for every library the rules allow on `system`, `pick` naming the classifier of each
// (nullopt: the library gives none).
template <class Pick>
platform::Result<std::vector<DownloadItem>> itemsOfAllowed(const VersionJson& version,
                                                           const launch::SystemInfo& system,
                                                           const std::string& librariesHost,
                                                           Pick pick) {
    std::vector<DownloadItem> items;
    for (const JsonLibrary& library : version.libraries) {
        if (!launch::rulesAllow(library.rules, system)) continue;
        std::optional<std::string> classifier = pick(library);
        if (!classifier) continue;
        platform::Result<DownloadItem> item =
            libraryItem(&library, library.name, *classifier, librariesHost);
        if (!item) return platform::Failure{item.reason()};
        items.push_back(std::move(item).value());
    }
    return items;
}

}  // namespace

DownloadItem versionJsonItem(const ManifestEntry& entry) {
    return {entry.url, "versions/" + entry.id + "/" + entry.id + ".json", entry.sha1, -1};
}

platform::Result<DownloadItem> clientJarItem(const VersionJson& version) {
    const std::string what = "版本 " + version.id + " 的游戏本体";
    if (!version.client) return platform::Failure{what + "没有下载地址 (downloads.client)"};
    if (!isSafePathElement(version.id))
        return platform::Failure{"版本名“" + version.id + "”不能用作文件夹名"};
    const FileDownload& client = *version.client;
    return checkedItem(client.url, "versions/" + version.id + "/" + version.id + ".jar",
                       client.sha1, client.size, what);
}

platform::Result<DownloadItem> libraryFileItem(const VersionJson& version, std::string_view name,
                                               std::string_view classifier,
                                               const std::string& librariesHost) {
    return libraryItem(findLibrary(version, name), name, classifier, librariesHost);
}

platform::Result<std::vector<DownloadItem>> libraryItems(const VersionJson& version,
                                                         const launch::SystemInfo& system,
                                                         const std::string& librariesHost) {
    return itemsOfAllowed(version, system, librariesHost,
                          [](const JsonLibrary& library) -> std::optional<std::string> {
                              // A natives-only library of the old format has no plain jar.
                              if (library.artifact || library.natives.empty()) return "";
                              return std::nullopt;
                          });
}

platform::Result<std::vector<DownloadItem>> nativeJarItems(const VersionJson& version,
                                                           const launch::SystemInfo& system,
                                                           const std::string& librariesHost) {
    const std::string width = system.is64Bit ? "64" : "32";
    return itemsOfAllowed(version, system, librariesHost,
                          [&](const JsonLibrary& library) -> std::optional<std::string> {
                              auto found = library.natives.find(system.osName);
                              if (found == library.natives.end()) return std::nullopt;
                              return replaceArch(found->second, width);
                          });
}

platform::Result<DownloadItem> assetIndexItem(const VersionJson& version) {
    if (!version.assetIndex)
        return platform::Failure{"版本 " + version.id + " 没有资源索引 (assetIndex)"};
    const launch::AssetIndexReference& index = *version.assetIndex;
    if (!isSafePathElement(index.id))
        return platform::Failure{"资源索引名“" + index.id + "”不能用作文件名"};
    return checkedItem(index.url, "assets/indexes/" + index.id + ".json", index.sha1, index.size,
                       "资源索引 " + index.id);
}

platform::Result<AssetIndexDocument> readAssetIndex(std::string_view text) {
    // Ordered: the objects are fetched in the order the index lists them.
    nlohmann::ordered_json document = nlohmann::ordered_json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object())
        return platform::Failure{"资源索引不是有效的 JSON 对象"};
    auto objects = document.find("objects");
    if (objects == document.end() || !objects->is_object())
        return platform::Failure{"资源索引中没有 objects"};
    auto flag = [&](const char* key) {
        auto found = document.find(key);
        return found != document.end() && found->is_boolean() && found->get<bool>();
    };
    AssetIndexDocument index;
    index.byName = flag("virtual") || flag("map_to_resources");
    for (const auto& [name, object] : objects->items()) {
        auto hash = object.is_object() ? object.find("hash") : object.end();
        if (hash == object.end() || !hash->is_string() || !isAssetHash(hash->get<std::string>()))
            return platform::Failure{"资源索引中“" + name + "”的 hash 无效"};
        if (index.byName && !isSafeResourceName(name))
            return platform::Failure{"资源索引中的文件名“" + name + "”会离开资源文件夹"};
        auto size = object.find("size");
        bool sized = size != object.end() && size->is_number_integer();
        index.objects.push_back({name, platform::lowerAscii(hash->get<std::string>()),
                                 sized ? size->get<int64_t>() : -1});
    }
    return index;
}

std::vector<DownloadItem> assetObjectItems(const AssetIndexDocument& index,
                                           const std::string& resourcesHost) {
    std::vector<DownloadItem> items;
    for (const AssetObject& object : index.objects) {
        const std::string stored = object.hash.substr(0, 2) + "/" + object.hash;
        items.push_back({withoutTrailingSlashes(resourcesHost) + "/" + stored,
                         index.byName ? "assets/" + object.name : "assets/objects/" + stored,
                         object.hash, object.size});
    }
    return items;
}

}  // namespace market
