#include "mirror/IndexText.h"

#include <gtest/gtest.h>

#include "market/AssetIndex.h"

namespace {

using Texts = std::vector<std::string>;

const std::string kHashA = "bdf48ef6b5d0d23bbb02e17d04865216179f510a";
const std::string kHashB = "5ff04807c356f1beed0b86ccf659b44b9983e3fa";
const std::string kHashC = "0123456789abcdef0123456789abcdef01234567";

std::string object(const std::string& hash, int size) {
    return "{\"hash\": \"" + hash + "\", \"size\": " + std::to_string(size) + "}";
}

TEST(Reindented, LetsTheLaunchersKeyScansFindWhatAOneLineIndexHolds) {
    struct Case {
        std::string name;
        std::string oneLine;
        Texts hashes;
        Texts names;
    };
    const std::vector<Case> cases = {
        {"published current index",
         "{\"objects\": {\"icons/icon_16x16.png\": " + object(kHashA, 3665) +
             ", \"minecraft/sounds/ambient/cave/cave1.ogg\": " + object(kHashB, 32119) + "}}",
         {kHashA, kHashB},
         {"icons/icon_16x16.png", "minecraft/sounds/ambient/cave/cave1.ogg"}},
        {"legacy index with its flag first",
         "{\"virtual\": true, \"objects\": {\"sound/step/grass1.ogg\": " + object(kHashC, 5) + "}}",
         {kHashC},
         {"sound/step/grass1.ogg"}},
        {"no separator blanks at all",
         "{\"objects\":{\"a.png\":{\"hash\":\"" + kHashA + "\",\"size\":1}}}",
         {kHashA},
         {"a.png"}},
        {"Chinese name and the same hash twice",
         "{\"objects\": {\"lang/说明.txt\": " + object(kHashB, 9) +
             ", \"again.txt\": " + object(kHashB, 9) + "}}",
         {kHashB, kHashB},
         {"lang/说明.txt", "again.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(market::scanHashKeys(c.oneLine).empty()) << "the scan reads one-line indexes";
        platform::Result<std::string> text = mirror::reindented(c.oneLine);
        ASSERT_TRUE(text) << text.reason();
        EXPECT_EQ(market::scanHashKeys(text.value()), c.hashes);
        EXPECT_EQ(market::scanNameKeys(text.value()), c.names);
    }
}

TEST(Reindented, RefusesTextThatIsNotJson) {
    for (const std::string text : {"", "{\"objects\": {", "objects", "{\"a\": 1} trailing"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(mirror::reindented(text));
    }
}

TEST(MergedIndex, KeepsTheFirstEntryOfANameAndEveryOtherObject) {
    std::string newer = "{\"objects\": {\"a.ogg\": " + object(kHashA, 1) +
                        ", \"b.ogg\": " + object(kHashB, 2) + "}}";
    std::string older = "{\"virtual\": true, \"objects\": {\"a.ogg\": " + object(kHashC, 3) +
                        ", \"c.ogg\": " + object(kHashC, 3) + "}}";
    platform::Result<std::string> merged = mirror::mergedIndex({newer, older});
    ASSERT_TRUE(merged) << merged.reason();
    EXPECT_EQ(market::scanNameKeys(merged.value()), (Texts{"a.ogg", "b.ogg", "c.ogg"}));
    EXPECT_EQ(market::scanHashKeys(merged.value()), (Texts{kHashA, kHashB, kHashC}));
    EXPECT_NE(merged.value().find("\"virtual\": true"), std::string::npos);
}

TEST(MergedIndex, NamesTheIndexThatIsNotAnIndex) {
    std::string good = "{\"objects\": {}}";
    for (const std::string bad : {"[1]", "{\"objects\": []}", "{\"other\": {}}", "not json"}) {
        SCOPED_TRACE(bad);
        platform::Result<std::string> merged = mirror::mergedIndex({good, bad});
        ASSERT_FALSE(merged);
        EXPECT_NE(merged.reason().find("第 2 个"), std::string::npos) << merged.reason();
    }
}

}  // namespace
