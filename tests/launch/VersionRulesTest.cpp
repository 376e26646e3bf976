#include "launch/VersionRules.h"

#include <gtest/gtest.h>

#include "launch/VersionJson.h"

namespace launch {
namespace {

SystemInfo linux64() {
    return {"linux", true, "6.1.0-18-amd64", "x86_64"};
}
SystemInfo windows32() {
    return {"windows", false, "10.0", "x86"};
}
SystemInfo osx() {
    return {"osx", true, "10.15.7", "x86_64"};
}

std::vector<Rule> rulesOf(const std::string& rulesJson) {
    auto parsed =
        parseVersionJson(R"({"libraries": [{"name": "g:a:1", "rules": )" + rulesJson + "}]}");
    EXPECT_TRUE(parsed.ok()) << parsed.reason();
    return parsed.ok() ? parsed.value().libraries.at(0).rules : std::vector<Rule>{};
}

TEST(VersionRules, LastMatchingRuleDecidesAndNoneMatchingDisallows) {
    struct Case {
        const char* rules;
        bool linux, windows, mac;
    } cases[] = {
        {"[]", true, true, true},
        {R"([{"action": "allow"}])", true, true, true},
        {R"([{"action": "allow", "os": {"name": "osx"}}])", false, false, true},
        // The classic LWJGL pair: everywhere but the Mac.
        {R"([{"action": "allow"}, {"action": "disallow", "os": {"name": "osx"}}])", true, true,
         false},
        {R"([{"action": "disallow", "os": {"name": "osx"}}, {"action": "allow"}])", true, true,
         true},
        {R"([{"action": "allow", "os": {"name": "windows"}}, {"action": "allow", "os": {"name": "linux"}}])",
         true, true, false},
        {R"([{"action": "allow", "os": {"arch": "x86"}}])", false, true, false},
        {R"([{"action": "allow", "os": {"name": "osx", "version": "^10\\.5\\.\\d$"}}])", false,
         false, false},
        {R"([{"action": "allow", "os": {"name": "windows", "version": "^10\\."}}])", false, true,
         false},
        // A pattern that cannot be read matches nothing instead of failing the launch.
        {R"([{"action": "allow"}, {"action": "disallow", "os": {"version": "(("}}])", true, true,
         true},
        // Every feature is off: rules asking for one never match, rules asking for its absence do.
        {R"([{"action": "allow", "features": {"has_custom_resolution": true}}])", false, false,
         false},
        {R"([{"action": "allow", "features": {"is_demo_user": false}}])", true, true, true},
    };
    for (const Case& c : cases) {
        std::vector<Rule> rules = rulesOf(c.rules);
        EXPECT_EQ(rulesAllow(rules, linux64()), c.linux) << c.rules;
        EXPECT_EQ(rulesAllow(rules, windows32()), c.windows) << c.rules;
        EXPECT_EQ(rulesAllow(rules, osx()), c.mac) << c.rules;
    }
}

TEST(VersionRules, RunningSystemIsOneTheFormatNames) {
    SystemInfo running = SystemInfo::running();
    EXPECT_TRUE(running.osName == "linux" || running.osName == "windows" ||
                running.osName == "osx");
    EXPECT_FALSE(running.arch.empty());
}

}  // namespace
}  // namespace launch
