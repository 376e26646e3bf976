#include "mirror/Arguments.h"

#include <set>

namespace mirror {
namespace {

struct CommandShape {
    std::set<std::string> values;    // options that take a value
    std::set<std::string> switches;  // options that stand alone
    std::set<std::string> required;
};

const std::map<std::string, CommandShape>& commands() {
    static const std::map<std::string, CommandShape> kCommands = {
        {"sync",
         {{"out", "versions", "manifest", "libraries", "resources", "jobs", "cafile"},
          {"all-releases"},
          {"out"}}},
        {"from-folder", {{"game", "out"}, {}, {"game", "out"}}},
        {"serve", {{"tree", "port", "listen", "host"}, {}, {"tree"}}},
    };
    return kCommands;
}

}  // namespace

std::string Arguments::value(const std::string& name, const std::string& otherwise) const {
    auto found = options.find(name);
    return found == options.end() ? otherwise : found->second;
}

platform::Result<Arguments> parseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return platform::Failure{"缺少命令"};
    auto shape = commands().find(arguments[0]);
    if (shape == commands().end()) return platform::Failure{"未知的命令“" + arguments[0] + "”"};
    Arguments parsed{arguments[0], {}};
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        std::string name = word.rfind("--", 0) == 0 ? word.substr(2) : "";
        bool takesValue = shape->second.values.count(name) > 0;
        if (!takesValue && shape->second.switches.count(name) == 0)
            return platform::Failure{"命令 " + parsed.command + " 不认识“" + word + "”"};
        if (parsed.has(name)) return platform::Failure{"选项 " + word + " 给了两次"};
        if (takesValue && i + 1 == arguments.size())
            return platform::Failure{"选项 " + word + " 缺少值"};
        parsed.options[name] = takesValue ? arguments[++i] : "";
    }
    for (const std::string& name : shape->second.required)
        if (!parsed.has(name))
            return platform::Failure{"命令 " + parsed.command + " 需要 --" + name};
    return parsed;
}

std::string usageText() {
    return "用法：\n"
           "  vendrolupa-mirror sync --out 目录 (--versions 1.7.10,1.12.2 | --all-releases)\n"
           "                         [--manifest 清单网址] [--libraries 库主机] [--resources "
           "资源主机]\n"
           "                         [--jobs 同时下载数] [--cafile 证书文件]\n"
           "  vendrolupa-mirror from-folder --game .minecraft文件夹 --out 目录\n"
           "  vendrolupa-mirror serve --tree 目录 [--port 端口] [--listen 地址] [--host 主机名]\n";
}

}  // namespace mirror
