#include "market/NetworkNames.h"

#include <gtest/gtest.h>

namespace {

TEST(NetworkNames, OnlyNamesThatStayInsideTheirFolderPass) {
    struct Case {
        std::string name;
        bool element;
        bool resource;
    };
    const std::vector<Case> cases = {
        {"1.8.9", true, true},
        {"声音.ogg", true, true},
        {"minecraft/sounds/a.ogg", false, true},
        {"", false, false},
        {".", false, false},
        {"..", false, false},
        {"a/../../b", false, false},
        {"a\\b", false, false},
        {"/etc/passwd", false, false},
        {"C:evil", false, false},
        {"a//b", false, false},
        {"a/", false, false},
        {"tab\tname", false, false},
        {"objects", true, false},
        {"Indexes/x.json", false, false},
        {"virtual/legacy/a", false, false},
        {"objectsfoo/a", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(market::isSafePathElement(c.name), c.element);
        EXPECT_EQ(market::isSafeResourceName(c.name), c.resource);
    }
}

TEST(NetworkNames, AssetHashesAreFortyHexDigits) {
    EXPECT_TRUE(market::isAssetHash("bdf48ef6b5d0d23bbb02e17d04865216179f510a"));
    EXPECT_TRUE(market::isAssetHash("BDF48EF6B5D0D23BBB02E17D04865216179F510A"));
    EXPECT_FALSE(market::isAssetHash("bdf48ef6b5d0d23bbb02e17d04865216179f510"));
    EXPECT_FALSE(market::isAssetHash("../48ef6b5d0d23bbb02e17d04865216179f510a"));
    EXPECT_FALSE(market::isAssetHash("gdf48ef6b5d0d23bbb02e17d04865216179f510a"));
}

TEST(NetworkNames, RelativeFoldersInEitherStyle) {
    EXPECT_TRUE(market::isSafeRelativeFolder("org\\lwjgl\\lwjgl", '\\'));
    EXPECT_TRUE(market::isSafeRelativeFolder("org/lwjgl/lwjgl", '/'));
    EXPECT_FALSE(market::isSafeRelativeFolder("org/../../x", '/'));
    EXPECT_FALSE(market::isSafeRelativeFolder("org\\x/y", '\\'));
    EXPECT_FALSE(market::isSafeRelativeFolder("\\\\server\\x", '\\'));
}

}  // namespace

TEST(NetworkNames, TheHostOfAUrlIsWhatAPlayerRecognisesTheServerBy) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"https://libraries.minecraft.net/a/b.jar", "libraries.minecraft.net"},
        {"http://127.0.0.1:8080", "127.0.0.1:8080"},
        {"http://镜像.test:81/x?y=/z", "镜像.test:81"},
        {"mirror.test/x", "mirror.test/x"},
    };
    for (const auto& [url, host] : cases)
        EXPECT_EQ(market::hostOfUrl(url), host) << url;
}
