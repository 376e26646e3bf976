#include "launch/VersionChain.h"

#include <gtest/gtest.h>

#include "LaunchFixtures.h"
#include "TempFolder.h"

using launch_fixtures::writeVersion;
using testing_support::TempFolder;

namespace {

using Texts = std::vector<std::string>;

Texts texts(const std::vector<launch::Argument>& list) {
    Texts all;
    for (const launch::Argument& argument : list)
        all.insert(all.end(), argument.values.begin(), argument.values.end());
    return all;
}

// The shapes of a release of today, of a release before the arguments block, and of loader
// profiles: a modern one with its own lists, and an old-style one with a whole template.
const char* kRelease = R"({
  "arguments": {
    "game": ["--username", "${auth_player_name}", "--version", "${version_name}"],
    "jvm": ["-Djava.library.path=${natives_directory}", "-cp", "${classpath}"]
  },
  "assetIndex": {"id": "5", "sha1": "ab", "size": 1, "totalSize": 2, "url": "https://x/5.json"},
  "assets": "5",
  "id": "1.20.1",
  "javaVersion": {"component": "java-runtime-gamma", "majorVersion": 17},
  "libraries": [
    {"name": "com.mojang:logging:1.1.1"},
    {"name": "org.ow2.asm:asm:9.3"},
    {"name": "org.lwjgl:lwjgl:3.3.1:natives-linux"},
    {"name": "org.lwjgl:lwjgl:3.3.1"}
  ],
  "mainClass": "net.minecraft.client.main.Main",
  "type": "release"
})";

const char* kOldRelease = R"({
  "assetIndex": {"id": "1.12", "sha1": "cd", "size": 1, "totalSize": 2, "url": "https://x/1.12.json"},
  "assets": "1.12",
  "id": "1.12.2",
  "libraries": [{"name": "net.sf.jopt-simple:jopt-simple:5.0.3"}],
  "mainClass": "net.minecraft.client.main.Main",
  "minecraftArguments": "--username ${auth_player_name}  --version ${version_name}",
  "type": "release"
})";

TEST(VersionChain, AProfileIsMergedWithItsParents) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;  // id, JSON; the first is chosen
        std::string mainClass;
        Texts libraries;
        Texts game;
        Texts jvm;
        std::string jarId;
        std::string assetIndex;
        std::optional<int> java;
        std::string type;
    };
    const std::vector<Case> cases = {
        {"a loader profile over today's release: the child's libraries first, a newer asm "
         "replaces the parent's, lists parent first",
         {{"loader-1.20.1", R"({"id": "loader-1.20.1", "inheritsFrom": "1.20.1",
             "mainClass": "loader.Knot", "type": "release",
             "arguments": {"game": ["--loaderFlag"], "jvm": ["-DloaderJvm=1"]},
             "libraries": [{"name": "org.ow2.asm:asm:9.6", "url": "https://maven.example/"},
                           {"name": "loader:loader:0.15"}]})"},
          {"1.20.1", kRelease}},
         "loader.Knot",
         {"org.ow2.asm:asm:9.6", "loader:loader:0.15", "com.mojang:logging:1.1.1",
          "org.lwjgl:lwjgl:3.3.1:natives-linux", "org.lwjgl:lwjgl:3.3.1"},
         {"--username", "${auth_player_name}", "--version", "${version_name}", "--loaderFlag"},
         {"-Djava.library.path=${natives_directory}", "-cp", "${classpath}", "-DloaderJvm=1"},
         "1.20.1",
         "5",
         17,
         "release"},
        {"an old-style profile over a release before the arguments block: its whole template "
         "replaces the parent's, the stand-in JVM list, its own jar",
         {{"forge-1.12.2", R"({"id": "forge-1.12.2", "inheritsFrom": "1.12.2",
             "jar": "1.12.2-patched", "type": "modified",
             "mainClass": "net.minecraft.launchwrapper.Launch",
             "minecraftArguments": " --username ${auth_player_name} --tweakClass a.B ",
             "libraries": [{"name": "net.minecraftforge:forge:14.23.5"}]})"},
          {"1.12.2", kOldRelease}},
         "net.minecraft.launchwrapper.Launch",
         {"net.minecraftforge:forge:14.23.5", "net.sf.jopt-simple:jopt-simple:5.0.3"},
         {"--username", "${auth_player_name}", "--tweakClass", "a.B"},
         {"-Djava.library.path=${natives_directory}", "-cp", "${classpath}"},
         "1.12.2-patched",
         "1.12",
         std::nullopt,
         "modified"},
        {"three levels: the middle one's template counts when the child has none, the asset "
         "index and Java come from the nearest that has them",
         {{"child", R"({"id": "child", "inheritsFrom": "middle",
             "arguments": {"game": ["--child"]}, "libraries": []})"},
          {"middle", R"({"id": "middle", "inheritsFrom": "1.12.2", "mainClass": "m.Main",
             "minecraftArguments": "--middle ${version_name}",
             "javaVersion": {"majorVersion": 8}, "assetIndex": {"id": "mid"}})"},
          {"1.12.2", kOldRelease}},
         "m.Main",
         {"net.sf.jopt-simple:jopt-simple:5.0.3"},
         {"--middle", "${version_name}", "--child"},
         {"-Djava.library.path=${natives_directory}", "-cp", "${classpath}"},
         "1.12.2",
         "mid",
         8,
         "release"},
        {"an installer's JSON with a whole template and a game list only: the template and the "
         "stand-in JVM list",
         {{"1.12.2-forge", R"({"id": "1.12.2-forge", "jar": "1.12.2",
             "minecraftArguments": "--username ${auth_player_name} --tweakClass a.B",
             "arguments": {"game": []}, "mainClass": "net.minecraft.launchwrapper.Launch",
             "assetIndex": {"id": "1.12"}, "type": "release",
             "libraries": [{"name": "net.minecraftforge:forge:1.12.2-14.23.5.2854", "downloads": {}}]})"}},
         "net.minecraft.launchwrapper.Launch",
         {"net.minecraftforge:forge:1.12.2-14.23.5.2854"},
         {"--username", "${auth_player_name}", "--tweakClass", "a.B"},
         {"-Djava.library.path=${natives_directory}", "-cp", "${classpath}"},
         "1.12.2-forge",
         "1.12",
         std::nullopt,
         "release"},
        {"a release of today alone keeps its lists; a jar key outside a profile counts for "
         "nothing",
         {{"1.20.1", std::string(kRelease).replace(1, 0, R"("jar": "other", )")}},
         "net.minecraft.client.main.Main",
         {"com.mojang:logging:1.1.1", "org.ow2.asm:asm:9.3", "org.lwjgl:lwjgl:3.3.1:natives-linux",
          "org.lwjgl:lwjgl:3.3.1"},
         {"--username", "${auth_player_name}", "--version", "${version_name}"},
         {"-Djava.library.path=${natives_directory}", "-cp", "${classpath}"},
         "1.20.1",
         "5",
         17,
         "release"},
    };
    for (const Case& c : cases) {
        TempFolder launcher{"继承 链"};
        for (const auto& [id, json] : c.files)
            writeVersion(launcher, id, json);
        GameFolders folders(launcher.path(), platform::PathStyle::posix());
        auto loaded = loadCurrentFormatVersion(folders, c.files.front().first);
        ASSERT_TRUE(loaded) << c.what << ": " << loaded.reason();
        ASSERT_TRUE(loaded.value()) << c.what;
        const MergedVersion& merged = *loaded.value();
        EXPECT_EQ(merged.id, c.files.front().first) << c.what;
        EXPECT_EQ(merged.mainClass, c.mainClass) << c.what;
        Texts names;
        for (const launch::JsonLibrary& library : merged.libraries)
            names.push_back(library.name);
        EXPECT_EQ(names, c.libraries) << c.what;
        EXPECT_EQ(texts(merged.game), c.game) << c.what;
        EXPECT_EQ(texts(merged.jvm), c.jvm) << c.what;
        EXPECT_EQ(merged.jarId, c.jarId) << c.what;
        ASSERT_TRUE(merged.assetIndex) << c.what;
        EXPECT_EQ(merged.assetIndex->id, c.assetIndex) << c.what;
        EXPECT_EQ(merged.javaMajor, c.java) << c.what;
        EXPECT_EQ(merged.type, c.type) << c.what;
    }
}

TEST(VersionChain, OlderVersionsAndUnreadableJsonStayOnTheTextScans) {
    struct Case {
        const char* what;
        std::string json;  // empty: no file
    };
    const std::vector<Case> cases = {
        {"a release before the arguments block", kOldRelease},
        {"the launcher's own demo layout", launch_fixtures::versionJson("1.7.10", "a.B", {})},
        {"text the JSON reader refuses, which the scans may still read",
         "{\n  \"mainClass\": \"a.B\",\n  \"libraries\": [\n    {\n  \"name\": \"a:b:1\"},"},
        {"no file", ""},
    };
    for (const Case& c : cases) {
        TempFolder launcher{"旧 格式"};
        if (!c.json.empty()) writeVersion(launcher, "v", c.json);
        auto loaded = loadCurrentFormatVersion(
            GameFolders(launcher.path(), platform::PathStyle::posix()), "v");
        ASSERT_TRUE(loaded) << c.what << ": " << loaded.reason();
        EXPECT_FALSE(loaded.value()) << c.what;
    }
}

TEST(VersionChain, BrokenChainsAreRefusedWithTheirReason) {
    auto profile = [](const std::string& id, const std::string& parent) {
        return R"({"id": ")" + id + R"(", "inheritsFrom": ")" + parent +
               R"(", "mainClass": "a.B"})";
    };
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        std::string chosen;
        Texts reasonHolds;
    };
    const std::vector<Case> cases = {
        {"a parent that is not installed",
         {{"loader", profile("loader", "1.20.1")}},
         "loader",
         {"“1.20.1”", "没有安装", "versions/1.20.1/1.20.1.json"}},
        {"a loop",
         {{"a", profile("a", "b")}, {"b", profile("b", "a")}},
         "a",
         {"成环", "a → b → a"}},
        {"a profile naming itself", {{"a", profile("a", "a")}}, "a", {"成环"}},
        {"six JSON files in a chain",
         {{"c1", profile("c1", "c2")},
          {"c2", profile("c2", "c3")},
          {"c3", profile("c3", "c4")},
          {"c4", profile("c4", "c5")},
          {"c5", profile("c5", "c6")},
          {"c6", kOldRelease}},
         "c1",
         {"5 层", "c1 → c2 → c3 → c4 → c5 → c6"}},
        {"a parent name that climbs out of the versions folder",
         {{"evil", profile("evil", "../../outside")}},
         "evil",
         {"../../outside", "不能用作文件夹名"}},
        {"a parent whose JSON is damaged",
         {{"loader", profile("loader", "base")}, {"base", "{\"id\": \"base\", \"libraries\": ["}},
         "loader",
         {"“base”", "无法读取"}},
    };
    for (const Case& c : cases) {
        TempFolder launcher{"坏 链"};
        for (const auto& [id, json] : c.files)
            writeVersion(launcher, id, json);
        auto loaded = loadCurrentFormatVersion(
            GameFolders(launcher.path(), platform::PathStyle::posix()), c.chosen);
        ASSERT_FALSE(loaded) << c.what;
        for (const std::string& part : c.reasonHolds)
            EXPECT_NE(loaded.reason().find(part), std::string::npos)
                << c.what << ": " << loaded.reason();
    }
    // Five files are still a chain.
    TempFolder launcher{"五 层"};
    for (int i = 1; i <= 4; ++i)
        writeVersion(launcher, "c" + std::to_string(i),
                     profile("c" + std::to_string(i), "c" + std::to_string(i + 1)));
    writeVersion(launcher, "c5", kOldRelease);
    auto five =
        loadCurrentFormatVersion(GameFolders(launcher.path(), platform::PathStyle::posix()), "c1");
    ASSERT_TRUE(five) << five.reason();
    EXPECT_EQ(five.value()->jarId, "c5");
}

}  // namespace
