#include "mirror/AssetTree.h"

#include <gtest/gtest.h>

#include <map>

#include "market/AssetIndex.h"

namespace {

using Texts = std::vector<std::string>;

std::string hashOf(char digit) {
    return std::string(40, digit);
}

// A one-line index as published, each name with the hash of its digit.
std::string index(const std::vector<std::pair<std::string, char>>& objects, bool legacy = false) {
    std::string text = legacy ? "{\"virtual\": true, \"objects\": {" : "{\"objects\": {";
    for (size_t i = 0; i < objects.size(); ++i)
        text += (i ? ", \"" : "\"") + objects[i].first + "\": {\"hash\": \"" +
                hashOf(objects[i].second) + "\", \"size\": 4}";
    return text + "}}";
}

std::map<std::string, std::string> filesOf(const mirror::AssetTree& tree) {
    std::map<std::string, std::string> files;
    for (const mirror::TreeFile& file : tree.indexes)
        files[file.relative] = file.text;
    return files;
}

TEST(AssetTree, WritesTheIndexEachVersionKindIsReadFrom) {
    std::vector<mirror::VersionAssets> versions = {
        {"1.12.2", "1.12", index({{"music/a.ogg", '1'}, {"shared.png", '2'}})},
        {"1.8.9", "1.8", index({{"music/b.ogg", '3'}, {"shared.png", '2'}})},
        {"07w45a", "07w45a", index({{"snap.txt", '4'}})},
        {"1.7.10", "1.7.10", index({{"sound/old.ogg", '5'}, {"music/a.ogg", '1'}}, true)},
        {"b1.7.3", "legacy", index({{"sound/older.ogg", '6'}}, true)},
    };
    platform::Result<mirror::AssetTree> tree = mirror::planAssetTree(versions);
    ASSERT_TRUE(tree) << tree.reason();
    std::map<std::string, std::string> files = filesOf(tree.value());
    EXPECT_EQ(files.size(), 6u);
    // What the launcher's scans find in each file it fetches.
    struct Expected {
        std::string path;
        Texts hashes;
    };
    const std::vector<Expected> expected = {
        {"indexes/1.8.json", {hashOf('1'), hashOf('2'), hashOf('3')}},
        {"indexes/07w45a.json", {hashOf('4')}},
        {"indexes/1.12.json", {hashOf('1'), hashOf('2')}},
        {"indexes/1.7.10.json", {hashOf('5'), hashOf('1')}},
        {"indexes/legacy.json", {hashOf('6')}},
        {"Minecraft.Download/indexes/legacy.json", {hashOf('5'), hashOf('1'), hashOf('6')}},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(files.count(e.path));
        EXPECT_EQ(market::scanHashKeys(files[e.path]), e.hashes);
    }
    EXPECT_EQ(market::scanNameKeys(files["Minecraft.Download/indexes/legacy.json"]),
              (Texts{"sound/old.ogg", "music/a.ogg", "sound/older.ogg"}));
    Texts resources;
    for (const auto& resource : tree->resources)
        resources.push_back(resource.name);
    EXPECT_EQ(resources, (Texts{"sound/old.ogg", "music/a.ogg", "sound/older.ogg"}));
    EXPECT_EQ(tree->resources[1].hash, hashOf('1'));
    Texts objects;
    for (const auto& object : tree->objects)
        objects.push_back(object.hash);
    EXPECT_EQ(objects, (Texts{hashOf('1'), hashOf('2'), hashOf('3'), hashOf('4'), hashOf('5'),
                              hashOf('6')}));
}

TEST(AssetTree, KeepsTheMergedIndexWhereAVersionsOwnIndexHasItsName) {
    // 1.8 names its own index "1.8", the shared index's name; 1.9 adds what 1.8 lacks.
    platform::Result<mirror::AssetTree> tree = mirror::planAssetTree({
        {"1.8", "1.8", index({{"a.ogg", '1'}})},
        {"1.9", "1.9", index({{"b.ogg", '2'}})},
    });
    ASSERT_TRUE(tree) << tree.reason();
    std::map<std::string, std::string> files = filesOf(tree.value());
    EXPECT_EQ(market::scanHashKeys(files["indexes/1.8.json"]), (Texts{hashOf('1'), hashOf('2')}));
}

TEST(AssetTree, NamesTheVersionWhoseIndexIsBroken) {
    const std::vector<std::pair<std::string, std::string>> broken = {
        {"not json", "{\"objects\": "},
        {"objects not an object", "{\"objects\": []}"},
        {"object without a hash", "{\"objects\": {\"a\": {\"size\": 1}}}"},
        {"hash that names no object", "{\"objects\": {\"a\": {\"hash\": \"../../x\"}}}"},
        {"legacy name leaving the assets folder",
         "{\"virtual\": true, \"objects\": {\"../escape.txt\": {\"hash\": \"" + hashOf('1') +
             "\"}}}"},
    };
    for (const auto& [what, text] : broken) {
        SCOPED_TRACE(what);
        platform::Result<mirror::AssetTree> tree = mirror::planAssetTree(
            {{"1.12.2", "1.12", index({{"a", '1'}})}, {"1.8.9", "1.8", text}});
        ASSERT_FALSE(tree);
        EXPECT_NE(tree.reason().find("1.8.9"), std::string::npos) << tree.reason();
    }
}

}  // namespace
