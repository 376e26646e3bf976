#include <gtest/gtest.h>

#include "account/Proposals.h"

namespace {

TEST(Proposals, JavaPathIsTheFirstQuotedPartOfTheOpenCommand) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Java\\bin\\javaw.exe\" -jar \"%1\"", "C:\\Java\\bin\\javaw.exe"},
        {"\"/opt/jdk 17/bin/java\" -jar \"%1\"", "/opt/jdk 17/bin/java"},
        {"Error", ""},
        {"", ""},
        {"\"C:\\Java\\bin\\javaw.exe -jar", ""},
    };
    for (const auto& [command, path] : cases)
        EXPECT_EQ(javaPathFromOpenCommand(command), path) << command;
}

}  // namespace
