#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

// The `rules` of a version JSON, evaluated for one system with every feature flag off.
namespace launch {

struct Rule {
    bool allow = true;
    std::optional<std::string> osName;
    std::optional<std::string> osArch;
    std::optional<std::string> osVersion;  // a regular expression
    std::map<std::string, bool> features;
    bool operator==(const Rule&) const = default;
};

// The system the rules are evaluated for: the running one, or another when a mirror gathers
// the files of every system.
struct SystemInfo {
    std::string osName;  // "windows", "linux" or "osx"
    bool is64Bit = true;
    std::string osVersion;  // the system's version text, matched by `os.version`
    std::string arch;       // the machine's architecture name, matched by `os.arch` other than x86

    static SystemInfo running();
};

// No rules allow; otherwise the last rule that matches decides, and none matching disallows.
bool rulesAllow(const std::vector<Rule>& rules, const SystemInfo& system);

}  // namespace launch
