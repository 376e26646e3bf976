#include "launch/Placeholders.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// The identifiers the game itself derives for these names (java.util.UUID.nameUUIDFromBytes).
TEST(Placeholders, OfflineUuidIsTheNameBasedUuidOfTheGame) {
    struct Case {
        std::string name;
        std::string uuid;
    };
    const std::vector<Case> cases = {
        {"Steve", "5627dd98e6be3c21b8a8e92344183641"},
        {"Notch", "b50ad385829d3141a2167e7d7539ba7f"},
        {"玩家一号", "563807d480f73b649ebb4dbce5bc9f41"},
        {"a b", "b0a035fdc7d0387fbcaeee04bc1df1b0"},
        {"", "fc5bc365aedf30a88b8904e462e29bde"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(offlinePlayerUuid(c.name), c.uuid) << c.name;
}

TEST(Placeholders, KnownNamesAreReplacedAnywhereOthersStay) {
    const PlaceholderTable table = {{"natives_directory", "/游戏/natives"},
                                    {"auth_player_name", "${version_name}"},
                                    {"version_name", "1.20.1"},
                                    {"empty", ""}};
    struct Case {
        std::string text;
        std::string filled;
    };
    const std::vector<Case> cases = {
        {"-Djava.library.path=${natives_directory}", "-Djava.library.path=/游戏/natives"},
        {"${version_name}-${version_name}", "1.20.1-1.20.1"},
        // A value is never searched again: a player called "${version_name}" keeps the name.
        {"${auth_player_name}", "${version_name}"},
        {"${unknown_thing} ${version_name}", "${unknown_thing} 1.20.1"},
        {"[${empty}]", "[]"},
        {"${version_name", "${version_name"},
        {"$${version_name}}", "$1.20.1}"},
        {"${}", "${}"},
        {"no placeholder", "no placeholder"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillPlaceholders(c.text, table), c.filled) << c.text;
}

TEST(Placeholders, ValuelessArgumentsTakeTheirOptionAlong) {
    const PlaceholderTable table = {{"user_type", "legacy"}};
    struct Case {
        Texts arguments;
        Texts filled;
    };
    const std::vector<Case> cases = {
        {{"--clientId", "${clientid}", "--xuid", "${auth_xuid}", "--userType", "${user_type}"},
         {"--userType", "legacy"}},
        // The element before is kept when it is not an option.
        {{"value", "${clientid}", "x"}, {"value", "x"}},
        // A valueless argument at the head of the list has nothing before it.
        {{"${auth_xuid}", "--userType", "${user_type}"}, {"--userType", "legacy"}},
        // Two in a row: the option before the first goes, the first is no option to drop twice.
        {{"--a", "${clientid}", "${auth_xuid}", "--b"}, {"--b"}},
        // Inside a longer text the argument still goes.
        {{"--xuid", "id=${auth_xuid}"}, {}},
        {{"-Dx=${clientid}"}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillArgumentList(c.arguments, table), c.filled) << c.arguments.front();
}

}  // namespace
