#include "market/OfficialManifest.h"

#include <nlohmann/json.hpp>

#include "download/DownloadUrl.h"
#include "market/NetworkNames.h"
#include "platform/AsciiText.h"

namespace market {

namespace {

std::string textOf(const nlohmann::json& object, const char* key) {
    auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : "";
}

// Why an entry cannot be installed, or empty when it can.
std::string refusalOf(const ManifestEntry& entry) {
    if (!isSafePathElement(entry.id)) return "版本名“" + entry.id + "”不能用作文件夹名";
    if (!isWebAddress(entry.url)) return "版本 " + entry.id + " 的地址不是网址：" + entry.url;
    // The download is saved under the last element of its address.
    if (download::lastUrlElement(entry.url) != entry.id + ".json")
        return "版本 " + entry.id + " 的地址不指向 " + entry.id + ".json：" + entry.url;
    if (!entry.sha1.empty() && !isHexDigits(entry.sha1, 40))
        return "版本 " + entry.id + " 的 SHA-1 无效：" + entry.sha1;
    return {};
}

}  // namespace

bool isWebAddress(std::string_view url) {
    for (std::string_view scheme : {"http://", "https://"}) {
        if (url.starts_with(scheme)) {
            std::string_view rest = url.substr(scheme.size());
            return !rest.empty() && rest.front() != '/';
        }
    }
    return false;
}

platform::Result<Manifest> readManifest(std::string_view text) {
    nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object())
        return platform::Failure{"版本清单不是有效的 JSON 对象"};
    auto versions = document.find("versions");
    if (versions == document.end() || !versions->is_array())
        return platform::Failure{"版本清单中没有 versions 列表"};
    Manifest manifest;
    for (const nlohmann::json& version : *versions) {
        if (!version.is_object()) continue;
        ManifestEntry entry{textOf(version, "id"), textOf(version, "type"), textOf(version, "url"),
                            platform::lowerAscii(textOf(version, "sha1"))};
        std::string refusal = refusalOf(entry);
        if (refusal.empty()) {
            manifest.entries.push_back(std::move(entry));
        } else if (manifest.refused++ == 0) {
            manifest.firstRefusal = std::move(refusal);
        }
    }
    return manifest;
}

}  // namespace market
