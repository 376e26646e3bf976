#include "launch/VersionRules.h"

#include <regex>

#include "platform/Machine.h"

namespace launch {
namespace {

bool osMatches(const Rule& rule, const SystemInfo& system) {
    if (rule.osName && *rule.osName != system.osName) return false;
    if (rule.osArch) {
        // "x86" names the 32-bit system; other names are compared with the machine's own.
        bool archMatches = *rule.osArch == "x86" ? !system.is64Bit : *rule.osArch == system.arch;
        if (!archMatches) return false;
    }
    if (rule.osVersion) {
        try {
            if (!std::regex_search(system.osVersion, std::regex(*rule.osVersion))) return false;
        } catch (const std::regex_error&) {
            return false;  // a pattern we cannot read matches nothing
        }
    }
    return true;
}

bool featuresMatch(const Rule& rule) {
    // Every feature of this launcher is off.
    for (const auto& [name, wanted] : rule.features) {
        if (wanted) return false;
    }
    return true;
}

}  // namespace

SystemInfo SystemInfo::running() {
    SystemInfo system;
#if defined(_WIN32)
    system.osName = "windows";
#elif defined(__APPLE__)
    system.osName = "osx";
#else
    system.osName = "linux";
#endif
    system.is64Bit = platform::isOperatingSystem64Bit();
    system.osVersion = platform::operatingSystemVersion();
    system.arch = platform::machineArchitecture();
    return system;
}

bool rulesAllow(const std::vector<Rule>& rules, const SystemInfo& system) {
    if (rules.empty()) return true;
    bool allowed = false;
    for (const Rule& rule : rules) {
        if (osMatches(rule, system) && featuresMatch(rule)) allowed = rule.allow;
    }
    return allowed;
}

}  // namespace launch
