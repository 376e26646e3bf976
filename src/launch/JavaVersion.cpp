#include "launch/JavaVersion.h"

#include <charconv>
#include <filesystem>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "platform/ProcessOutput.h"
#include "platform/TextFile.h"

namespace {

constexpr std::chrono::seconds kQueryLimit{20};

std::optional<int> leadingNumber(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

// The runtime's modification time as text: a replaced runtime at the same path is asked again.
std::optional<std::string> stampOf(const std::string& javaPath) {
    std::error_code error;
    auto time = std::filesystem::last_write_time(platform::fromUtf8Path(javaPath), error);
    if (error) return std::nullopt;
    return std::to_string(time.time_since_epoch().count());
}

// The release remembered for `stamp` + path, from lines "stamp|release|path".
std::optional<int> remembered(const std::vector<std::string>& lines, const std::string& key) {
    for (const std::string& line : lines) {
        size_t bar = line.find('|');
        size_t second = bar == std::string::npos ? bar : line.find('|', bar + 1);
        if (second == std::string::npos) continue;
        if (line.substr(0, bar) + line.substr(second) != key) continue;
        return leadingNumber(std::string_view(line).substr(bar + 1, second - bar - 1));
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> javaMajorFromVersionText(std::string_view output) {
    constexpr std::string_view kMarker = "version \"";
    size_t at = output.find(kMarker);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view version = output.substr(at + kMarker.size());
    version = version.substr(0, version.find('"'));
    // Up to 8 the release was the second number: "1.8.0_292".
    if (version.starts_with("1.")) return leadingNumber(version.substr(2));
    return leadingNumber(version);
}

platform::Result<int> javaMajorVersion(const std::string& javaPath, const std::string& cacheFile) {
    std::optional<std::string> stamp = stampOf(javaPath);
    if (!stamp) return platform::Failure{"无法读取 Java 程序“" + javaPath + "”的修改时间"};
    const std::string key = *stamp + "|" + javaPath;
    std::vector<std::string> lines =
        platform::readTextLines(cacheFile).value_or(std::vector<std::string>{});
    if (std::optional<int> known = remembered(lines, key)) return *known;

    platform::Result<std::string> output =
        platform::runForOutput(platform::commandLineQuoted(javaPath) + " -version", kQueryLimit);
    if (!output) return platform::Failure{"无法询问 Java 的版本：" + output.reason()};
    std::optional<int> major = javaMajorFromVersionText(output.value());
    if (!major) {
        return platform::Failure{"“" + javaPath + " -version”的输出中没有版本号：" +
                                 output.value().substr(0, 200)};
    }
    // Other runtimes' lines stay; this runtime's older stamps go.
    std::vector<std::string> kept;
    for (const std::string& line : lines) {
        if (!line.ends_with("|" + javaPath)) kept.push_back(line);
    }
    kept.push_back(*stamp + "|" + std::to_string(*major) + "|" + javaPath);
    // The cache only saves time; a failed write changes nothing for this launch.
    (void)platform::writeTextLines(cacheFile, kept);
    return *major;
}
