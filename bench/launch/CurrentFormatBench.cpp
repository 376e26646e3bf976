// The command line of a version with its own argument lists, from the JSON files on disk to the
// last argument: a release of today's size (about 100 libraries with downloads and rules, both
// argument lists) alone and under a loader profile. Run with --benchmark_repetitions=20 and
// read the median.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "launch/CurrentFormatArgs.h"
#include "launch/VersionChain.h"

namespace {

namespace fs = std::filesystem;

std::string download(const std::string& path) {
    return R"({"path": ")" + path +
           R"(", "sha1": "8ad6294407e15780b43e84929c40e4c5e997972e", "size": 321900, "url": "https://libraries.example/)" +
           path + R"("})";
}

// Libraries as today's releases list them: plain ones, LWJGL modules once per system by rules
// with their natives as libraries, and a few natives-map libraries of older LWJGL.
std::string libraries(int count) {
    std::string json;
    for (int i = 0; i < count; ++i) {
        std::string group = "org/bench/g" + std::to_string(i % 20);
        std::string artifact = "artifact" + std::to_string(i);
        std::string path = group + "/" + artifact + "/1." + std::to_string(i % 10) + "/" +
                           artifact + "-1." + std::to_string(i % 10);
        std::string name = "org.bench.g" + std::to_string(i % 20) + ":" + artifact + ":1." +
                           std::to_string(i % 10);
        if (!json.empty()) json += ",\n";
        if (i % 5 == 1) {
            json += R"({"name": ")" + name + R"(:natives-linux", "downloads": {"artifact": )" +
                    download(path + "-natives-linux.jar") +
                    R"(}, "rules": [{"action": "allow", "os": {"name": "linux"}}]})";
        } else if (i % 5 == 2) {
            json +=
                R"({"name": ")" + name + R"(:natives-windows-x86", "downloads": {"artifact": )" +
                download(path + "-natives-windows-x86.jar") +
                R"(}, "rules": [{"action": "allow", "os": {"name": "windows", "arch": "x86"}}]})";
        } else if (i % 25 == 3) {
            json +=
                R"({"name": ")" + name + R"(", "downloads": {"classifiers": {"natives-linux": )" +
                download(path + "-natives-linux.jar") + R"(, "natives-windows": )" +
                download(path + "-natives-windows.jar") +
                R"(}}, "extract": {"exclude": ["META-INF/"]}, "natives": {"linux": "natives-linux", "windows": "natives-windows"}})";
        } else {
            json +=
                R"({"name": ")" + name + R"(", "downloads": {"artifact": )" +
                download(path + ".jar") +
                R"(}, "rules": [{"action": "allow"}, {"action": "disallow", "os": {"name": "osx"}}]})";
        }
    }
    return json;
}

std::string releaseJson() {
    return R"({"arguments": {"game": ["--username", "${auth_player_name}", "--version", "${version_name}",
      "--gameDir", "${game_directory}", "--assetsDir", "${assets_root}", "--assetIndex", "${assets_index_name}",
      "--uuid", "${auth_uuid}", "--accessToken", "${auth_access_token}", "--clientId", "${clientid}",
      "--xuid", "${auth_xuid}", "--userType", "${user_type}", "--versionType", "${version_type}",
      {"rules": [{"action": "allow", "features": {"is_demo_user": true}}], "value": "--demo"},
      {"rules": [{"action": "allow", "features": {"has_custom_resolution": true}}],
       "value": ["--width", "${resolution_width}", "--height", "${resolution_height}"]},
      {"rules": [{"action": "allow", "features": {"has_quick_plays_support": true}}], "value": ["--quickPlayPath", "${quickPlayPath}"]},
      {"rules": [{"action": "allow", "features": {"is_quick_play_singleplayer": true}}], "value": ["--quickPlaySingleplayer", "${quickPlaySingleplayer}"]}],
    "jvm": [{"rules": [{"action": "allow", "os": {"name": "osx"}}], "value": ["-XstartOnFirstThread"]},
      {"rules": [{"action": "allow", "os": {"name": "windows"}}], "value": "-XX:HeapDumpPath=MojangTricksIntelDriversForPerformance_javaw.exe_minecraft.exe.heapdump"},
      {"rules": [{"action": "allow", "os": {"arch": "x86"}}], "value": "-Xss1M"},
      "-Djava.library.path=${natives_directory}", "-Djna.tmpdir=${natives_directory}",
      "-Dorg.lwjgl.system.SharedLibraryExtractPath=${natives_directory}",
      "-Dio.netty.native.workdir=${natives_directory}", "-Dminecraft.launcher.brand=${launcher_name}",
      "-Dminecraft.launcher.version=${launcher_version}", "-cp", "${classpath}"]},
  "assetIndex": {"id": "5", "sha1": "3c8d", "size": 1, "totalSize": 2, "url": "https://x/5.json"},
  "assets": "5", "id": "bench-1.20", "javaVersion": {"component": "java-runtime-gamma", "majorVersion": 17},
  "libraries": [)" +
           libraries(100) + R"(],
  "mainClass": "net.minecraft.client.main.Main", "type": "release"})";
}

std::string profileJson() {
    std::string own;
    for (int i = 0; i < 10; ++i) {
        if (!own.empty()) own += ", ";
        own += R"({"name": "net.loader:part)" + std::to_string(i) +
               R"(:0.15", "url": "https://maven.example/"})";
    }
    return R"({"id": "bench-loader", "inheritsFrom": "bench-1.20", "mainClass": "net.loader.Knot",
      "arguments": {"game": [], "jvm": ["-DloaderFlag=true"]}, "libraries": [)" +
           own + "]}";
}

struct Versions {
    Versions() {
        root = fs::temp_directory_path() /
               ("vendrolupa-current-" + std::to_string(std::random_device{}()));
        for (auto [id, json] :
             {std::pair{"bench-1.20", releaseJson()}, {"bench-loader", profileJson()}}) {
            fs::create_directories(root / ".minecraft/versions" / id);
            std::ofstream(root / ".minecraft/versions" / id / (std::string(id) + ".json")) << json;
        }
    }
    ~Versions() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
};

void commandLineOf(benchmark::State& state, const std::string& id) {
    Versions versions;
    const GameFolders folders(versions.root.string(), platform::PathStyle::posix());
    const LibrarySystem linux{{"linux", true, "6.1", "amd64"}, "64"};
    LaunchValues values;
    values.memoryMb = 2048;
    values.userName = "Steve";
    values.versionId = id;
    values.gameDir = ".minecraft";
    values.assetsDir = ".minecraft/assets";
    size_t arguments = 0;
    for (auto _ : state) {
        auto version = loadCurrentFormatVersion(folders, id);
        std::vector<std::string> line =
            currentFormatArguments(values, *version.value(), folders, linux);
        arguments = line.size();
        benchmark::DoNotOptimize(line);
    }
    state.counters["arguments"] = static_cast<double>(arguments);
}

void BM_CurrentFormatRelease(benchmark::State& state) {
    commandLineOf(state, "bench-1.20");
}
void BM_CurrentFormatTwoLevelProfile(benchmark::State& state) {
    commandLineOf(state, "bench-loader");
}

}  // namespace

BENCHMARK(BM_CurrentFormatRelease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurrentFormatTwoLevelProfile)->Unit(benchmark::kMillisecond);
