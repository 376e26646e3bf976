#include "launch/VersionJson.h"

#include <gtest/gtest.h>

namespace launch {
namespace {

// The shape of a current-format version JSON, cut down to one of each kind of entry.
constexpr const char* kCurrentFormat = R"({
  "arguments": {
    "game": ["--username", "${auth_player_name}",
             {"rules": [{"action": "allow", "features": {"has_custom_resolution": true}}],
              "value": ["--width", "${resolution_width}"]}],
    "jvm": [{"rules": [{"action": "allow", "os": {"name": "osx"}}], "value": "-XstartOnFirstThread"},
            "-Djava.library.path=${natives_directory}", "-cp", "${classpath}"]
  },
  "assetIndex": {"id": "5", "sha1": "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "size": 413,
                 "totalSize": 625, "url": "https://meta.example/5.json"},
  "assets": "5",
  "downloads": {"client": {"sha1": "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb", "size": 2300,
                           "url": "https://cdn.example/client.jar"}},
  "id": "1.20.1",
  "javaVersion": {"component": "java-runtime-gamma", "majorVersion": 17},
  "libraries": [
    {"downloads": {"artifact": {"path": "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar",
                                "sha1": "cccccccccccccccccccccccccccccccccccccccc", "size": 110,
                                "url": "https://libs.example/org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar"}},
     "name": "org.lwjgl:lwjgl:3.3.1:natives-linux",
     "rules": [{"action": "allow", "os": {"name": "linux"}}]},
    {"downloads": {"classifiers": {"natives-linux": {"path": "p/n.jar", "sha1": "dd", "size": 5, "url": "u"}}},
     "extract": {"exclude": ["META-INF/"]},
     "name": "org.lwjgl.lwjgl:lwjgl-platform:2.9.4", "natives": {"linux": "natives-linux",
     "windows": "natives-windows-${arch}"}},
    {"name": "net.loader:loader:0.14", "url": "https://maven.example/"}
  ],
  "mainClass": "net.minecraft.client.main.Main",
  "type": "release"
})";

TEST(VersionJson, ReadsEveryShapeOfTheCurrentFormat) {
    auto parsed = parseVersionJson(kCurrentFormat);
    ASSERT_TRUE(parsed.ok()) << parsed.reason();
    const VersionJson& v = parsed.value();
    EXPECT_TRUE(v.hasArgumentsBlock());
    EXPECT_FALSE(v.minecraftArguments);
    ASSERT_EQ(v.gameArguments->size(), 3u);
    EXPECT_EQ((*v.gameArguments)[2].values,
              (std::vector<std::string>{"--width", "${resolution_width}"}));
    EXPECT_EQ((*v.gameArguments)[2].rules.at(0).features.at("has_custom_resolution"), true);
    EXPECT_EQ((*v.jvmArguments)[0].rules.at(0).osName, "osx");
    EXPECT_EQ(v.assetIndex->id, "5");
    EXPECT_EQ(v.assetIndex->size, 413);
    EXPECT_EQ(v.javaMajorVersion, 17);
    EXPECT_EQ(v.client->url, "https://cdn.example/client.jar");
    ASSERT_EQ(v.libraries.size(), 3u);
    EXPECT_EQ(v.libraries[0].artifact->path, "org/lwjgl/lwjgl/3.3.1/lwjgl-3.3.1-natives-linux.jar");
    EXPECT_EQ(v.libraries[1].natives.at("windows"), "natives-windows-${arch}");
    EXPECT_EQ(v.libraries[1].classifiers.at("natives-linux").path, "p/n.jar");
    EXPECT_EQ(v.libraries[1].extractExclude, std::vector<std::string>{"META-INF/"});
    EXPECT_FALSE(v.libraries[2].artifact);
    EXPECT_EQ(v.libraries[2].url, "https://maven.example/");
}

TEST(VersionJson, OlderAndProfileShapes) {
    auto old = parseVersionJson(
        R"({"id": "1.8.9", "minecraftArguments": "--username ${auth_player_name}", "assets": "1.8"})");
    ASSERT_TRUE(old.ok());
    EXPECT_FALSE(old.value().hasArgumentsBlock());
    EXPECT_EQ(old.value().minecraftArguments, "--username ${auth_player_name}");

    auto profile = parseVersionJson(
        R"({"id": "loader-1.20.1", "inheritsFrom": "1.20.1", "jar": "1.20.1", "arguments": {"game": []}})");
    ASSERT_TRUE(profile.ok());
    EXPECT_EQ(profile.value().inheritsFrom, "1.20.1");
    EXPECT_TRUE(profile.value().hasArgumentsBlock());
    EXPECT_TRUE(profile.value().jvmArguments->empty());
}

TEST(VersionJson, MalformedDocumentsNameWhatIsWrong) {
    struct Case {
        const char* text;
        const char* reasonPart;
    } cases[] = {
        {"", "不是有效的 JSON"},
        {R"({"id": "1.8")", "不是有效的 JSON"},
        {"[1, 2]", "不是 JSON 对象"},
        {R"({"libraries": {"name": "x"}})", "libraries"},
        {R"({"libraries": [42]})", "libraries"},
        {R"({"id": 7})", "id"},
        {R"({"arguments": {"game": [{"value": 3}]}})", "arguments.game"},
        {R"({"arguments": {"jvm": [true]}})", "arguments.jvm"},
        {R"({"assetIndex": {"id": ["5"]}})", "assetIndex"},
        {R"({"downloads": {"client": "x"}})", "downloads.client"},
        {R"({"libraries": [{"name": "a:b:c", "rules": [{"action": "allow", "features": {"f": 1}}]}]})",
         "libraries"},
    };
    for (const Case& c : cases) {
        auto parsed = parseVersionJson(c.text);
        ASSERT_FALSE(parsed.ok()) << c.text;
        EXPECT_NE(parsed.reason().find(c.reasonPart), std::string::npos)
            << c.text << " → " << parsed.reason();
    }
}

}  // namespace
}  // namespace launch
