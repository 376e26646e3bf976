#include "market/ModList.h"

#include "download/HttpGetText.h"
#include "platform/FileList.h"
#include "platform/TextFile.h"

namespace market {

namespace {

constexpr const char* kNotLoaded = "无法载入Mod列表：";

// The catalogue text: the cache when it is there, else the page's catalogue, cached on the
// way. A cache that cannot be written does not stop this listing.
platform::Result<std::string> catalogueText(const LauncherContext& context) {
    const std::string cache = modListCachePath(context);
    if (!platform::isExistingFile(cache)) {
        const std::string url = context.services.update + "/";
        platform::Result<platform::HttpAnswer> page = download::HttpGetText(context.http(), url);
        if (!page) return platform::Failure{kNotLoaded + page.reason()};
        std::optional<std::string> list = cutModList(page->body);
        if (!list)
            return platform::Failure{std::string(kNotLoaded) + "更新服务器的页面 " + url +
                                     " 中没有Mod列表（缺少 -MODLISTBEGIN 或 -MODLISTEND）。"};
        if (!platform::writeTextLines(cache, {*list})) return *list;
    }
    platform::Result<std::string> text = platform::readText(cache);
    if (!text) return platform::Failure{kNotLoaded + std::string("缓存文件：") + text.reason()};
    return text;
}

}  // namespace

std::string modListCachePath(const LauncherContext& context) {
    return context.dataFile(kModListCacheName);
}

platform::Result<std::vector<ModEntry>> loadModList(const LauncherContext& context,
                                                    const std::string& version) {
    platform::Result<std::string> text = catalogueText(context);
    if (!text) return platform::Failure{text.reason()};
    return modsOfVersion(catalogueLines(text.value()), version);
}

}  // namespace market
