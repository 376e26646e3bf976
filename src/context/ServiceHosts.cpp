#include "context/ServiceHosts.h"

#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "platform/AsciiText.h"
#include "platform/FileList.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {

constexpr std::string_view kSourceKey = "source";

std::optional<DownloadSourceKind> sourceOfName(const std::string& name) {
    for (DownloadSourceKind kind : {DownloadSourceKind::Official, DownloadSourceKind::Mirror}) {
        if (name == sourceName(kind)) return kind;
    }
    return std::nullopt;
}

// The key of a "name=value" line, trimmed; nullopt for a line without "=".
std::optional<std::string> keyOfLine(const std::string& line) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return platform::trimmed(line.substr(0, equals));
}

}  // namespace

std::string sourceName(DownloadSourceKind source) {
    return source == DownloadSourceKind::Mirror ? "mirror" : "official";
}

ServiceHosts loadServiceHosts(const std::string& path) {
    ServiceHosts hosts;
    const std::map<std::string, std::string ServiceHosts::*> fields = {
        {"mirror", &ServiceHosts::mirror},       {"official", &ServiceHosts::official},
        {"files", &ServiceHosts::files},         {"update", &ServiceHosts::update},
        {"auth", &ServiceHosts::auth},           {"manifest", &ServiceHosts::manifest},
        {"libraries", &ServiceHosts::libraries}, {"resources", &ServiceHosts::resources},
        {"cafile", &ServiceHosts::cafile}};
    auto lines = platform::readTextLines(path);
    if (!lines) return hosts;
    for (const std::string& line : lines.value()) {
        std::optional<std::string> key = keyOfLine(line);
        if (!key) continue;
        std::string value = platform::trimmed(line.substr(line.find('=') + 1));
        if (*key == kSourceKey) {
            if (auto source = sourceOfName(value)) hosts.source = *source;
            continue;
        }
        auto field = fields.find(*key);
        if (field == fields.end()) continue;
        while (!value.empty() && value.back() == '/')
            value.pop_back();
        if (!value.empty()) hosts.*(field->second) = value;
    }
    std::filesystem::path authorities = platform::fromUtf8Path(hosts.cafile);
    if (!hosts.cafile.empty() && authorities.is_relative())
        hosts.cafile =
            platform::toUtf8Path(platform::fromUtf8Path(path).parent_path() / authorities);
    return hosts;
}

platform::Result<void> saveDownloadSource(const std::string& path, DownloadSourceKind source) {
    platform::Result<std::vector<std::string>> read = platform::readTextLines(path);
    // An unreadable file is not replaced by one that lost the player's other lines.
    if (!read && !read.missing()) return platform::Failure{"下载源没有保存：" + read.reason()};
    std::vector<std::string> lines = read ? read.value() : std::vector<std::string>{};
    const std::string sourceLine = std::string(kSourceKey) + "=" + sourceName(source);
    bool written = false;
    for (std::string& line : lines) {
        if (keyOfLine(line) != kSourceKey) continue;
        line = sourceLine;
        written = true;
    }
    if (!written) lines.push_back(sourceLine);
    return platform::writeTextLines(path, lines);
}
