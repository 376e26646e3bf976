#include "platform/ProcessOutput.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"

namespace {

#ifndef _WIN32
using namespace std::chrono_literals;

std::string script(const testing_support::TempFolder& folder, const std::string& name,
                   const std::string& body) {
    std::string path = folder.write(name, "#!/bin/sh\n" + body);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

TEST(ProcessOutput, CollectsBothStreamsOrEndsAProgramThatHangs) {
    testing_support::TempFolder folder{"进程 输出"};
    struct Case {
        std::string body;
        std::string arguments;
        std::optional<std::string> output;  // nullopt: a failure
    };
    const std::vector<Case> cases = {
        {"echo out; echo err >&2\n", "", "out\nerr\n"},
        {"printf '%s|' \"$@\"\n", R"("a b" "c\"d")", "a b|c\"d|"},
        {"exit 3\n", "", ""},
        // Hangs with its output open, and with its output closed.
        {"echo started; sleep 30\n", "", std::nullopt},
        {"exec >/dev/null 2>&1; sleep 30\n", "", std::nullopt},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::string program = script(folder, "p" + std::to_string(n++), c.body);
        platform::Result<std::string> ran =
            platform::runForOutput("\"" + program + "\" " + c.arguments, 1500ms);
        if (c.output) {
            ASSERT_TRUE(ran) << ran.reason();
            EXPECT_EQ(ran.value(), *c.output) << c.body;
        } else {
            ASSERT_FALSE(ran) << c.body;
            EXPECT_NE(ran.reason().find("1500"), std::string::npos) << ran.reason();
        }
    }
    platform::Result<std::string> missing =
        platform::runForOutput("\"" + folder.path() + "/没有这个程序\"", 1500ms);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.reason().find("没有这个程序"), std::string::npos) << missing.reason();
}
#endif

}  // namespace
