#include "launch/VersionChain.h"

#include <set>

#include "download/DownloadNames.h"
#include "platform/AsciiText.h"
#include "platform/TextFile.h"

namespace {

// Group, artifact and classifier of a library name "group:artifact:version[:classifier]": two
// names with the same key are the same library in different versions.
std::string libraryKey(const std::string& name) {
    std::string key;
    std::vector<std::string> parts = platform::splitAt(name, ':');
    for (size_t part = 0; part < parts.size(); ++part) {
        if (part != 2) key += parts[part] + ":";
    }
    return key;
}

void appendAll(std::vector<launch::Argument>& list,
               const std::optional<std::vector<launch::Argument>>& more) {
    if (more) list.insert(list.end(), more->begin(), more->end());
}

std::string chainText(const std::vector<std::string>& ids) {
    std::string text;
    for (const std::string& id : ids)
        text += (text.empty() ? "" : " → ") + id;
    return text;
}

}  // namespace

bool isCurrentFormat(const launch::VersionJson& json) {
    return !json.inheritsFrom.empty() || json.hasArgumentsBlock();
}

MergedVersion mergeVersionChain(const std::vector<launch::VersionJson>& chain) {
    MergedVersion merged;
    if (chain.empty()) return merged;
    merged.id = chain.front().id;
    std::set<std::string> listed;
    for (const launch::VersionJson& json : chain) {
        // Libraries: nearer JSONs first; an ancestor's copy of a library a nearer one lists goes.
        std::set<std::string> own;
        for (const launch::JsonLibrary& library : json.libraries) {
            std::string key = libraryKey(library.name);
            if (listed.count(key)) continue;
            own.insert(key);
            merged.libraries.push_back(library);
        }
        listed.insert(own.begin(), own.end());
        if (merged.mainClass.empty()) merged.mainClass = json.mainClass;
        if (merged.type.empty()) merged.type = json.type;
        if (merged.assets.empty()) merged.assets = json.assets;
        if (!merged.assetIndex) merged.assetIndex = json.assetIndex;
        if (!merged.javaMajor) merged.javaMajor = json.javaMajorVersion;
    }

    const launch::VersionJson& root = chain.back();
    merged.jarId = root.id;
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
        if (!chain[i].jar.empty()) {
            merged.jarId = chain[i].jar;
            break;
        }
    }
    for (const launch::VersionJson& json : chain) {
        if (!json.minecraftArguments) continue;
        // Runs of blanks separate the words of the whole-template text.
        for (const std::string& word : platform::splitAt(*json.minecraftArguments, ' ')) {
            if (!word.empty()) merged.game.push_back({{word}, {}});
        }
        break;
    }
    // Versions before the arguments block pass the native folder and class path themselves. Some
    // installers write an arguments block with a game list only (the model then holds an empty
    // JVM list): without the stand-in such a version would start without a class path.
    if (!root.jvmArguments || root.jvmArguments->empty()) {
        for (const char* standIn :
             {"-Djava.library.path=${natives_directory}", "-cp", "${classpath}"})
            merged.jvm.push_back({{standIn}, {}});
    }
    for (auto json = chain.rbegin(); json != chain.rend(); ++json) {
        appendAll(merged.game, json->gameArguments);
        appendAll(merged.jvm, json->jvmArguments);
    }
    return merged;
}

platform::Result<std::optional<MergedVersion>> loadCurrentFormatVersion(const GameFolders& folders,
                                                                        const std::string& id) {
    platform::Result<std::string> text = platform::readFileBytes(folders.versionJson(id));
    if (!text) return std::optional<MergedVersion>();
    return loadCurrentFormatVersion(folders, id, text.value());
}

platform::Result<std::optional<MergedVersion>> loadCurrentFormatVersion(
    const GameFolders& folders, const std::string& id, const std::string& chosenText) {
    platform::Result<launch::VersionJson> chosen = launch::parseVersionJson(chosenText);
    if (!chosen || !isCurrentFormat(chosen.value())) return std::optional<MergedVersion>();

    std::vector<launch::VersionJson> chain = {std::move(chosen).value()};
    std::vector<std::string> ids = {id};
    while (!chain.back().inheritsFrom.empty()) {
        const std::string parent = chain.back().inheritsFrom;
        const std::string child = ids.back();
        ids.push_back(parent);
        for (size_t i = 0; i + 1 < ids.size(); ++i) {
            if (ids[i] == parent) return platform::Failure{"版本的继承关系成环：" + chainText(ids)};
        }
        if (ids.size() > kMaxChainLength) {
            return platform::Failure{"版本的继承层数超过 " + std::to_string(kMaxChainLength) +
                                     " 层：" + chainText(ids)};
        }
        if (download::plainFileName(parent) != parent) {
            return platform::Failure{"版本“" + child + "”继承的版本名“" + parent +
                                     "”不能用作文件夹名"};
        }
        std::string path = folders.versionJson(parent);
        platform::Result<std::string> parentText = platform::readFileBytes(path);
        if (!parentText) {
            return platform::Failure{"版本“" + child + "”继承的版本“" + parent +
                                     "”没有安装（找不到 " + path +
                                     "）。请先在“Minecraft 应用市场”中下载“" + parent + "”"};
        }
        platform::Result<launch::VersionJson> parsed = launch::parseVersionJson(*parentText);
        if (!parsed) {
            return platform::Failure{"版本“" + child + "”继承的版本“" + parent +
                                     "”的描述文件无法读取：" + parsed.reason()};
        }
        chain.push_back(std::move(parsed).value());
    }
    // Folders name the versions: a JSON whose "id" differs is still known by its folder.
    for (size_t i = 0; i < chain.size(); ++i)
        chain[i].id = ids[i];
    return std::optional<MergedVersion>(mergeVersionChain(chain));
}
