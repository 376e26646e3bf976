#include <gtest/gtest.h>

#include "market/ModCatalogue.h"

using market::catalogueLines;
using market::cutModList;
using market::ModEntry;
using market::modsOfVersion;

namespace {

std::vector<std::string> namesOf(const std::vector<ModEntry>& mods) {
    std::vector<std::string> names;
    for (const ModEntry& mod : mods)
        names.push_back(mod.name);
    return names;
}

using Names = std::vector<std::string>;

}  // namespace

TEST(ModCatalogue, CutTakesTheTextBetweenTheFirstMarkersWithoutTheTagsInTheirOrder) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"x-MODLISTBEGIN<p>[1.7.10]</p><br />A|u|d-MODLISTEND y-MODLISTEND", "[1.7.10]A|u|d"},
        {"-MODLISTBEGIN中文|链接|描述-MODLISTEND", "中文|链接|描述"},
        {"-MODLISTBEGIN-MODLISTEND", ""},
        // One pass per tag, in the order </p>, <p>, <br />: a tag joined by a later removal
        // stays, one joined by an earlier removal goes.
        {"-MODLISTBEGIN<</p>p>x<<p>/p>y<br<p> />z-MODLISTEND", "x</p>yz"},
        {"-MODLISTBEGIN a -MODLISTBEGIN b-MODLISTEND", " a -MODLISTBEGIN b"},
        {"no markers at all", std::nullopt},
        {"-MODLISTBEGIN only the start", std::nullopt},
        {"only the end-MODLISTEND", std::nullopt},
        {"-MODLISTEND before -MODLISTBEGIN", std::nullopt},
        // The end marker inside the begin marker's own text.
        {"-MODLISTBEGINMODLISTEND", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [page, expected] : cases)
        EXPECT_EQ(cutModList(page), expected) << page;
}

TEST(ModCatalogue, LinesEndAtCrLfOrALoneCrButNotAtALoneLf) {
    const std::pair<std::string, Names> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},     {"a\rb\r", {"a", "b"}}, {"a\nb\r\nc", {"a\nb", "c"}},
        {"a\r\r\nb", {"a", "", "b"}},   {"\r\n", {""}},         {"", {}},
        {"[1.7.10]\n", {"[1.7.10]\n"}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(catalogueLines(text), lines) << text;
}

TEST(ModCatalogue, SectionRules) {
    struct Case {
        std::vector<std::string> lines;
        std::string version;
        Names mods;
    };
    const Case cases[] = {
        {{"[1.7.10]", "A|url-a|desc a", "[1.6.4]", "B|url-b|desc b"}, "1.7.10", {"A"}},
        {{"[1.7.10]", "A|url-a|desc a", "[1.6.4]", "B|url-b|desc b"}, "1.6.4", {"B"}},
        // Four fields: ignored, the section goes on.
        {{"[1.7.10]", "X|u|d|extra", "A|u|d"}, "1.7.10", {"A"}},
        // Any other line holding "[" closes the section until the header stands again.
        {{"[1.7.10]", "note [x]", "A|u|d", "[1.7.10]", "B|u|d"}, "1.7.10", {"B"}},
        // A mod line holding "[" inside the section is still a mod.
        {{"[1.7.10]", "A [beta]|u|d", "B|u|d"}, "1.7.10", {"A [beta]", "B"}},
        // Several sections of one version are all listed, in file order.
        {{"[Other]", "O1|u|d", "[1.7.2]", "S|u|d", "[Other]", "O2|u|d"}, "Other", {"O1", "O2"}},
        // Headers are exact and whole lines.
        {{"[1.7.10] ", "A|u|d", "[1.7.1]", "B|u|d", "[other]", "C|u|d"}, "1.7.10", {}},
        {{"[1.7.10]", "A|u|d"}, "other", {}},
        // Mod lines before any header and lines with two fields are ignored.
        {{"A|u|d", "[1.7.10]", "B|u", "C||"}, "1.7.10", {"C"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(namesOf(modsOfVersion(c.lines, c.version)), c.mods) << c.version;
}

TEST(ModCatalogue, DetailsKeepUrlAndDescriptionTogetherAndSplitAtTheFirstBar) {
    auto mods = modsOfVersion({"[1.7.10]", "工业|http://h/ic2.jar|电力 模组"}, "1.7.10");
    ASSERT_EQ(mods.size(), 1u);
    EXPECT_EQ(mods[0].details, "http://h/ic2.jar|电力 模组");
    auto details = market::splitModDetails(mods[0].details);
    ASSERT_TRUE(details);
    EXPECT_EQ(details->url, "http://h/ic2.jar");
    EXPECT_EQ(details->description, "电力 模组");
    EXPECT_FALSE(market::splitModDetails("no bar"));
}
