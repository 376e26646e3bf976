// vendrolupa-mirror: builds and serves the launcher's mirror service (see README, "Running a
// mirror").
#include <climits>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "mirror/Arguments.h"
#include "mirror/FromFolder.h"
#include "mirror/Serve.h"
#include "mirror/Sync.h"
#include "platform/Paths.h"

namespace {

constexpr int kComplete = 0;
constexpr int kIncomplete = 1;
constexpr int kWrongCall = 2;

// A number option within [low, high], or nullopt.
std::optional<long> numberOption(const mirror::Arguments& arguments, const std::string& name,
                                 long otherwise, long low, long high) {
    std::string text = arguments.value(name);
    if (text.empty()) return otherwise;
    size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (used != text.size() || value < low || value > high) return std::nullopt;
    return value;
}

int wrongCall(const std::string& reason) {
    std::cerr << "vendrolupa-mirror：" << reason << "\n" << mirror::usageText();
    return kWrongCall;
}

std::string absolute(const std::string& path) {
    return platform::toUtf8Path(std::filesystem::absolute(platform::fromUtf8Path(path)));
}

int runSync(const mirror::Arguments& arguments) {
    std::optional<long> jobs = numberOption(arguments, "jobs", 16, 1, 256);
    if (!jobs) return wrongCall("--jobs 需要 1 到 256 之间的整数");
    if (arguments.has("versions") == arguments.has("all-releases"))
        return wrongCall("sync 需要 --versions 或 --all-releases 二者之一");
    mirror::SyncRequest request;
    request.out = absolute(arguments.value("out"));
    request.allReleases = arguments.has("all-releases");
    request.versions = mirror::versionList(arguments.value("versions"));
    if (arguments.has("versions") && request.versions.empty())
        return wrongCall("--versions 没有给出任何版本号");
    request.manifestUrl = arguments.value("manifest");
    request.librariesHost = arguments.value("libraries");
    request.resourcesHost = arguments.value("resources");
    request.fetch.jobs = static_cast<int>(*jobs);
    request.fetch.caFile = arguments.value("cafile");
    request.fetch.progress = mirror::printProgress;
    mirror::SyncOutcome outcome = mirror::syncTree(request);
    std::cerr << "\n";
    for (const std::string& line : mirror::outcomeLines(outcome))
        std::cerr << line << "\n";
    return outcome.complete() ? kComplete : kIncomplete;
}

int runFromFolder(const mirror::Arguments& arguments) {
    auto copy = mirror::treeFromGameFolder(absolute(arguments.value("game")),
                                           absolute(arguments.value("out")));
    if (!copy) {
        std::cerr << "vendrolupa-mirror：无法生成镜像目录：" << copy.reason() << "\n";
        return kIncomplete;
    }
    std::cout << "版本 " << copy->versions << " 个，库 " << copy->libraries << " 个，本地库 "
              << copy->natives << " 个，资源对象 " << copy->objects << " 个，旧式资源 "
              << copy->resources << " 个\n";
    for (const std::string& line : copy->skipped)
        std::cerr << "已略过：" << line << "\n";
    return copy->skipped.empty() ? kComplete : kIncomplete;
}

int runServe(const mirror::Arguments& arguments) {
    std::optional<long> port = numberOption(arguments, "port", 8080, 1, 65535);
    if (!port) return wrongCall("--port 需要 1 到 65535 之间的端口号");
    mirror::ServeSettings settings;
    settings.tree = absolute(arguments.value("tree"));
    settings.port = static_cast<uint16_t>(*port);
    settings.listen = arguments.value("listen", settings.listen);
    char name[HOST_NAME_MAX + 1] = {};
    settings.host = arguments.value("host", ::gethostname(name, sizeof name) == 0 ? name : "");
    char state[] = "/tmp/vendrolupa-mirror-serve.XXXXXX";
    if (!::mkdtemp(state)) return wrongCall("无法创建 nginx 的工作文件夹");
    settings.stateFolder = state;
    platform::Result<void> served = mirror::serveTree(settings);
    std::cerr << "vendrolupa-mirror：" << served.reason() << "\n";
    return kIncomplete;
}

}  // namespace

int main(int argc, char** argv) {
    platform::Result<mirror::Arguments> arguments =
        mirror::parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!arguments) return wrongCall(arguments.reason());
    if (arguments->command == "sync") return runSync(arguments.value());
    if (arguments->command == "from-folder") return runFromFolder(arguments.value());
    return runServe(arguments.value());
}
