#include "mirror/TreeLayout.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using mirror::TreeLayout;
using Place = std::function<platform::Result<std::string>(std::string_view)>;

struct Case {
    const char* what;
    Place place;
    std::string name;
    std::string expected;  // empty: refused
};

TEST(TreeLayout, PlacesSafeNamesWhereTheLauncherAsksAndRefusesHostileOnes) {
    const std::vector<Case> cases = {
        {"jar", TreeLayout::versionJar, "1.12.2", "versions/1.12.2/1.12.2.jar"},
        {"json", TreeLayout::versionJson, "1.7.10",
         "Minecraft.Download/versions/1.7.10/1.7.10.json"},
        {"index", TreeLayout::namedIndex, "07w45a", "indexes/07w45a.json"},
        {"library", TreeLayout::library, "org/lwjgl/lwjgl/lwjgl/2.9.4/lwjgl-2.9.4.jar",
         "libraries/org/lwjgl/lwjgl/lwjgl/2.9.4/lwjgl-2.9.4.jar"},
        {"object", TreeLayout::object, "bdf48ef6b5d0d23bbb02e17d04865216179f510a",
         "assets/bd/bdf48ef6b5d0d23bbb02e17d04865216179f510a"},
        {"resource", TreeLayout::resource, "sound/step/grass1.ogg",
         "resources/sound/step/grass1.ogg"},
        {"native", TreeLayout::rootFile, "OpenAL64.dll", "OpenAL64.dll"},
        {"id climbing", TreeLayout::versionJar, "..", ""},
        {"id with a separator", TreeLayout::versionJson, "a/b", ""},
        {"id with a backslash", TreeLayout::versionJar, "a\\b", ""},
        {"id with a control character", TreeLayout::versionJar, std::string("a\x01", 2), ""},
        {"empty id", TreeLayout::versionJson, "", ""},
        {"device name", TreeLayout::versionJar, "CON", ""},
        {"index id climbing", TreeLayout::namedIndex, "../1.8", ""},
        {"library climbing", TreeLayout::library, "org/../../../etc/passwd", ""},
        {"absolute library", TreeLayout::library, "/etc/passwd", ""},
        {"library with a drive", TreeLayout::library, "C:/x.jar", ""},
        {"short hash", TreeLayout::object, "bdf48ef6", ""},
        {"upper-case hash", TreeLayout::object, "BDF48EF6B5D0D23BBB02E17D04865216179F510A", ""},
        {"hash with a separator", TreeLayout::object, "bd/48ef6b5d0d23bbb02e17d04865216179f510a",
         ""},
        {"resource climbing", TreeLayout::resource, "../x", ""},
        {"resource in the object store", TreeLayout::resource, "objects/ab/x", ""},
        {"native with a separator", TreeLayout::rootFile, "x/lwjgl.dll", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::Result<std::string> placed = c.place(c.name);
        if (c.expected.empty()) {
            ASSERT_FALSE(placed) << placed.value();
            EXPECT_NE(placed.reason().find("拒绝"), std::string::npos) << placed.reason();
        } else {
            ASSERT_TRUE(placed) << placed.reason();
            EXPECT_EQ(placed.value(), c.expected);
        }
    }
}

}  // namespace
