// Library scan and class path on large version descriptions: 1, 10 and 100 thousand
// libraries, and descriptions of a few MiB whose library objects never close. The time
// should grow linearly with the size (see the BigO lines).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "launch/ClassPath.h"
#include "launch/LibraryPath.h"
#include "launch/VersionText.h"
#include "platform/Paths.h"

namespace {

namespace fs = std::filesystem;

std::string coordinate(int i) {
    return "org.bench.g" + std::to_string(i % 100) + ":artifact" + std::to_string(i) + ":1." +
           std::to_string(i % 10);
}

// A pretty-printed JSON like the installed ones; every fourth library has natives.
std::string versionJson(int libraries) {
    std::string json = "{\n  \"id\": \"bench\",\n  \"mainClass\": \"M\",\n  \"libraries\": [\n";
    for (int i = 0; i < libraries; ++i) {
        json += "    {\n      \"name\": \"" + coordinate(i) + "\"";
        if (i % 4 == 0) {
            json +=
                ",\n      \"natives\": {\n        \"linux\": \"natives-linux\",\n"
                "        \"windows\": \"natives-windows-${arch}\"\n      },\n"
                "      \"rules\": [\n        {\n          \"action\": \"disallow\",\n"
                "          \"os\": {\n            \"name\": \"osx\"\n          }\n        }\n"
                "      ]";
        }
        json += i + 1 < libraries ? "\n    },\n" : "\n    }\n";
    }
    return json + "  ]\n}\n";
}

// A launcher folder holding the JSON and, for every library, its folder with one jar.
struct LaunchFolder {
    explicit LaunchFolder(int libraries) {
        root = fs::temp_directory_path() / ("vendrolupa-bench-" + std::to_string(libraries) + "-" +
                                            std::to_string(std::random_device{}()));
        fs::create_directories(root / ".minecraft/versions/bench");
        jsonPath = (root / ".minecraft/versions/bench/bench.json").string();
        std::ofstream(jsonPath) << versionJson(libraries);
        const auto posix = platform::PathStyle::posix();
        for (int i = 0; i < libraries; ++i) {
            auto library = splitCoordinate(coordinate(i), posix);
            fs::path folder = root / ".minecraft/libraries" / library->folderPart;
            fs::create_directories(folder);
            std::ofstream(folder / jarName(*library)) << "PK";
        }
    }
    ~LaunchFolder() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
    std::string jsonPath;
};

// The class path of `text` with every library folder taken as present (no disk access).
std::string classPathOf(const std::string& text) {
    return classPathFromText(text, "/g/bench.jar", "/g/.minecraft/libraries/",
                             platform::PathStyle::posix(), "64",
                             [](const std::string&) { return true; });
}

void BM_LibraryScan(benchmark::State& state) {
    std::string text = makeVersionText({versionJson(static_cast<int>(state.range(0)))});
    for (auto _ : state)
        benchmark::DoNotOptimize(scanLibraries(text));
    state.SetComplexityN(state.range(0));
}

void BM_ClassPathFromText(benchmark::State& state) {
    std::string text = makeVersionText({versionJson(static_cast<int>(state.range(0)))});
    for (auto _ : state)
        benchmark::DoNotOptimize(classPathOf(text));
    state.SetComplexityN(state.range(0));
}

// The whole MakeClassPath: reading the JSON, testing every library folder on disk and
// writing libs.txt.
void BM_MakeClassPath(benchmark::State& state) {
    LaunchFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            MakeClassPath(folder.jsonPath, folder.root.string(), platform::PathStyle::posix()));
    }
    state.SetComplexityN(state.range(0));
}

// A damaged or hostile description of `kib` KiB: library objects that never close, each
// naming a Windows native, so every entry runs to the end of the text.
void BM_UnterminatedLibraries(benchmark::State& state) {
    const std::string object = "{\"name\": \"g:a:1\", \"windows\": \"n-${arch}\"";
    std::string json;
    while (json.size() < static_cast<size_t>(state.range(0)) * 1024)
        json += object;
    std::string text = makeVersionText({json});
    for (auto _ : state)
        benchmark::DoNotOptimize(classPathOf(text));
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_UnterminatedLibraries)
    ->Arg(256)
    ->Arg(1024)
    ->Arg(4096)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryScan)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassPathFromText)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeClassPath)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
