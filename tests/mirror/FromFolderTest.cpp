#include "mirror/FromFolder.h"

#include <gtest/gtest.h>

#include "MirrorProgram.h"
#include "TempFolder.h"
#include "market/AssetIndex.h"
#include "market/Catalogue.h"
#include "platform/Sha1.h"

namespace {

using testing_support::exists;
using testing_support::readAll;
using testing_support::TempFolder;
using Texts = std::vector<std::string>;

std::string versionJson(const std::string& id, const std::string& released,
                        const std::string& assetIndex) {
    return "{\"id\": \"" + id + "\", \"type\": \"release\", \"releaseTime\": \"" + released +
           "\", \"assetIndex\": {\"id\": \"" + assetIndex + "\"}, \"libraries\": []}";
}

// An installed launcher folder: what the official source or a launcher on a mirror left.
class InstalledLauncher : public ::testing::Test {
  protected:
    void SetUp() override {
        game_.write(".minecraft/versions/1.12.2/1.12.2.json",
                    versionJson("1.12.2", "2017-09-18T08:39:46+00:00", "1.12"));
        game_.write(".minecraft/versions/1.12.2/1.12.2.jar", "jar 1.12.2");
        game_.write(".minecraft/versions/1.7.10/1.7.10.json",
                    versionJson("1.7.10", "2014-05-14T17:29:23+00:00", "1.7.10"));
        game_.write(".minecraft/versions/1.7.10/1.7.10.jar", "jar 1.7.10");
        game_.write(".minecraft/versions/no-jar/no-jar.json", versionJson("no-jar", "", "x"));
        game_.write(".minecraft/versions/CON/CON.json", versionJson("CON", "", "x"));
        game_.write(".minecraft/versions/CON/CON.jar", "jar");
        game_.write(".minecraft/versions/other/other.json", versionJson("1.12.2", "", "x"));
        game_.write(".minecraft/versions/other/other.jar", "jar");
        game_.write(".minecraft/libraries/org/lwjgl/lwjgl/2.9.4/lwjgl-2.9.4.jar", "lwjgl");
        game_.write(".minecraft/libraries/com/mojang/realms/1.10/realms-1.10.jar", "realms");
        game_.write(".minecraft/native/lwjgl64.dll", "dll");
        game_.write(".minecraft/native/liblwjgl64.so", "so");
        game_.write(".minecraft/native/unrelated.txt", "not a native library");
        object("sound.ogg");
        object("music.ogg");
        damaged_ = object("damaged.ogg");
        game_.write(".minecraft/assets/objects/" + damaged_.substr(0, 2) + "/" + damaged_, "bad");
        // The official source keeps the version's own index; the legacy one a mirror gave.
        game_.write(".minecraft/assets/indexes/1.12.json",
                    index({{"minecraft/sound.ogg", "sound.ogg"},
                           {"minecraft/damaged.ogg", "damaged.ogg"}}));
        game_.write(".minecraft/assets/indexes/legacy.json",
                    "{\"virtual\": true, \"objects\": {\"music/calm.ogg\": {\"hash\": \"" +
                        platform::sha1Hex("music.ogg") + "\", \"size\": 9}}}");
        game_.write(".minecraft/assets/music/calm.ogg", "music.ogg");
    }

    // Stores `text` as an object and returns its hash.
    std::string object(const std::string& text) {
        std::string hash = platform::sha1Hex(text);
        game_.write(".minecraft/assets/objects/" + hash.substr(0, 2) + "/" + hash, text);
        return hash;
    }

    std::string index(const std::vector<std::pair<std::string, std::string>>& objects) {
        std::string text = "{\"objects\": {";
        for (size_t i = 0; i < objects.size(); ++i)
            text += (i ? ", \"" : "\"") + objects[i].first + "\": {\"hash\": \"" +
                    platform::sha1Hex(objects[i].second) + "\", \"size\": 9}";
        return text + "}}";
    }

    std::string tree(const std::string& relative) const { return out_.path() + "/" + relative; }

    TempFolder game_{"启动器 launcher"};
    TempFolder out_{"镜像"};
    std::string damaged_;
};

TEST_F(InstalledLauncher, BecomesATreeOfWhatItHoldsWithDamagedAndUnsafeFilesLeftOut) {
    platform::Result<mirror::FolderCopy> copy =
        mirror::treeFromGameFolder(game_.path() + "/.minecraft/", out_.path());
    ASSERT_TRUE(copy) << copy.reason();
    EXPECT_EQ(copy->versions, 2u);
    EXPECT_EQ(copy->libraries, 2u);
    EXPECT_EQ(copy->natives, 2u);
    EXPECT_EQ(copy->objects, 2u);
    EXPECT_EQ(copy->resources, 1u);

    EXPECT_EQ(market::scanCatalogue(readAll(tree("versions/versions.json"))),
              (std::vector<market::CatalogueEntry>{{"1.12.2", "正式版"}, {"1.7.10", "正式版"}}));
    struct Same {
        std::string treePath;
        std::string gamePath;
    };
    const std::vector<Same> same = {
        {"versions/1.12.2/1.12.2.jar", "versions/1.12.2/1.12.2.jar"},
        {"Minecraft.Download/versions/1.7.10/1.7.10.json", "versions/1.7.10/1.7.10.json"},
        {"libraries/org/lwjgl/lwjgl/2.9.4/lwjgl-2.9.4.jar",
         "libraries/org/lwjgl/lwjgl/2.9.4/lwjgl-2.9.4.jar"},
        {"lwjgl64.dll", "native/lwjgl64.dll"},
        {"liblwjgl64.so", "native/liblwjgl64.so"},
        {"resources/music/calm.ogg", "assets/music/calm.ogg"},
    };
    for (const Same& s : same) {
        SCOPED_TRACE(s.treePath);
        EXPECT_EQ(readAll(tree(s.treePath)), readAll(game_.path() + "/.minecraft/" + s.gamePath));
    }
    std::string sound = platform::sha1Hex("sound.ogg");
    EXPECT_EQ(readAll(tree("assets/" + sound.substr(0, 2) + "/" + sound)), "sound.ogg");
    EXPECT_FALSE(exists(tree("assets/" + damaged_.substr(0, 2) + "/" + damaged_)));
    EXPECT_EQ(market::scanHashKeys(readAll(tree("indexes/1.8.json"))), (Texts{sound, damaged_}));
    EXPECT_EQ(market::scanNameKeys(readAll(tree("Minecraft.Download/indexes/legacy.json"))),
              (Texts{"music/calm.ogg"}));
    EXPECT_FALSE(exists(tree("unrelated.txt")));
    EXPECT_FALSE(exists(tree("versions/CON")));
    EXPECT_FALSE(exists(tree("versions/no-jar")));
    EXPECT_FALSE(exists(tree("versions/other")));

    std::string skipped;
    for (const std::string& line : copy->skipped)
        skipped += line + "\n";
    for (const std::string part : {"CON", "no-jar", "other", "damaged.ogg"})
        EXPECT_NE(skipped.find(part), std::string::npos) << part << " in\n" << skipped;
}

TEST_F(InstalledLauncher, TheProgramTakesTheLauncherFolderAndSaysWhatItLeftOut) {
    testing_support::ProgramResult result =
        mirror_test::runMirror({"from-folder", "--game", game_.path(), "--out", out_.path()});
    EXPECT_EQ(result.exitCode, 1) << result.output;
    EXPECT_NE(result.output.find("版本 2 个"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("已略过"), std::string::npos) << result.output;
    EXPECT_TRUE(exists(tree("versions/versions.json")));
}

TEST(FromFolder, RefusesAFolderWithoutAGameFolder) {
    TempFolder nothing;
    TempFolder out;
    platform::Result<mirror::FolderCopy> copy =
        mirror::treeFromGameFolder(nothing.path(), out.path());
    ASSERT_FALSE(copy);
    EXPECT_NE(copy.reason().find(nothing.path()), std::string::npos) << copy.reason();
    EXPECT_FALSE(exists(out.path() + "/versions/versions.json"));
}

}  // namespace
