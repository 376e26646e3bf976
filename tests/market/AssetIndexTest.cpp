#include "market/AssetIndex.h"

#include <gtest/gtest.h>

#include "launch/VersionNumber.h"

namespace {

using market::AssetPath;
using Texts = std::vector<std::string>;

const std::string kHashA = "bdf48ef6b5d0d23bbb02e17d04865216179f510a";
const std::string kHashB = "5ff04807c356f1beed0b86ccf659b44b9983e3fa";

// An index as the mirror serves it: two blanks per level.
const std::string kIndex =
    "{\n"
    "  \"objects\": {\n"
    "    \"icons/icon_16x16.png\": {\n"
    "      \"hash\": \"" +
    kHashA +
    "\",\n"
    "      \"size\": 3665\n"
    "    },\n"
    "    \"minecraft/sounds/ambient/cave/cave1.ogg\": {\n"
    "      \"hash\": \"" +
    kHashB +
    "\",\n"
    "      \"size\": 32119\n"
    "    },\n"
    "    \"again.png\": {\n"
    "      \"hash\": \"" +
    kHashA +
    "\",\n"
    "      \"size\": 3665\n"
    "    }\n"
    "  }\n"
    "}\n";

TEST(AssetPathChoice, FollowsTheMinorNumberAndTheSnapshotShape) {
    struct Case {
        std::string id;
        double minor;
        AssetPath path;
    };
    const std::vector<Case> cases = {
        {"1.8.9", 8.9, AssetPath::SharedIndex},
        {"1.7.10", 7.1, AssetPath::Legacy},
        {"1.7.9", 7.9, AssetPath::Legacy},
        {"14w02a", 14, AssetPath::SharedIndex},
        {"b1.7.3", 7.3, AssetPath::Legacy},
        {"1.8", 8, AssetPath::SharedIndex},
        {"1.10.2", 10.2, AssetPath::SharedIndex},
        {"13w47c", 13, AssetPath::SharedIndex},
        {"07w01a", 7, AssetPath::PerVersion},
        {"Other", 0, AssetPath::Legacy},
        {"1.", 0, AssetPath::Legacy},
        {"", 0, AssetPath::Legacy},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_DOUBLE_EQ(minorNumberValue(c.id), c.minor);
        EXPECT_EQ(market::chooseAssetPath(c.id), c.path);
    }
    EXPECT_TRUE(isSnapshotShaped("丁丁w五六七"));
    EXPECT_FALSE(isSnapshotShaped("14w02ab"));
}

TEST(AssetIndexScan, HashKeysAndNameKeysInIndexOrder) {
    EXPECT_EQ(market::scanHashKeys(kIndex), (Texts{kHashA, kHashB, kHashA}));
    EXPECT_EQ(
        market::scanNameKeys(kIndex),
        (Texts{"icons/icon_16x16.png", "minecraft/sounds/ambient/cave/cave1.ogg", "again.png"}));
    // The real index is one line: the marker finds nothing in it.
    EXPECT_TRUE(
        market::scanHashKeys(R"({"objects": {"a": {"hash": ")" + kHashA + R"("}}})").empty());
}

TEST(AssetIndexScan, HostileKeysAreSkipped) {
    const std::string hostile =
        "{\n"
        "    \"objects\": {\n"
        "        \"../../../evil.txt\": {\n"
        "            \"hash\": \"../../../../../../etc/passwd\",\n"
        "            \"size\": 1\n"
        "        },\n"
        "        \"C:\\\\Windows\\\\x.dll\": {\n"
        "            \"hash\": \"" +
        kHashA.substr(1) +
        "\"\n"
        "        },\n"
        "        \"indexes/1.8.json\": {},\n"
        "        \"sound/ok.ogg\": {\n"
        "            \"hash\": \"" +
        kHashB +
        "\"\n"
        "        },\n"
        "        \"/abs\": {}, \n"
        "        \"bad\x01name\": {}\n"
        "    }\n"
        "}\n    \"unterminated";
    EXPECT_EQ(market::scanHashKeys(hostile), (Texts{kHashB}));
    EXPECT_EQ(market::scanNameKeys(hostile), (Texts{"sound/ok.ogg"}));
}

}  // namespace
