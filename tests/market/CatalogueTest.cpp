#include "market/Catalogue.h"

#include <gtest/gtest.h>

#include "LoopbackHttpServer.h"
#include "SystemHttpClient.h"

namespace {

using market::CatalogueEntry;
using Entries = std::vector<CatalogueEntry>;
using testing_support::LoopbackHttpServer;

// The mirror's manifest as it is served: one line, one blank after each colon and comma.
const std::string kOneLine =
    R"({"latest": {"release": "1.8", "snapshot": "14w02a"}, "versions": [)"
    R"({"id": "14w02a", "type": "snapshot", "url": "http://m/14w02a.json", )"
    R"("time": "2014-01-09T15:15:13+00:00", "releaseTime": "2014-01-09T15:15:13+00:00"}, )"
    R"({"id": "1.8", "type": "release", "url": "http://m/1.8.json", "time": "t"}, )"
    R"({"id": "b1.7.3", "type": "old_beta"}, {"id": "a1.0.4", "type": "old_alpha"}]})";

const std::string kPretty =
    "{\n"
    "  \"latest\": {\n"
    "    \"release\": \"1.7.10\"\n"
    "  },\n"
    "  \"versions\": [\n"
    "    {\n"
    "      \"id\": \"1.7.10\",\n"
    "      \"time\": \"2014-06-26T06:00:00+00:00\",\n"
    "      \"type\": \"release\"\n"
    "    },\n"
    "    {\n"
    "      \"id\": \"1.7.9\",\n"
    "      \"type\": \"测试版\"\n"
    "    }\n"
    "  ]\n"
    "}\n";

TEST(CatalogueScan, TakesEveryIdInTextOrderWithItsTypeText) {
    struct Case {
        std::string name;
        std::string text;
        Entries expected;
    };
    const std::vector<Case> cases = {
        {"one line",
         kOneLine,
         {{"14w02a", "快照版"}, {"1.8", "正式版"}, {"b1.7.3", "Beta版"}, {"a1.0.4", "Alpha版"}}},
        {"pretty-printed", kPretty, {{"1.7.10", "正式版"}, {"1.7.9", "测试版"}}},
        {"missing type takes the next one",
         R"([{"id": "x1"}, {"id": "x2", "type": "old_alpha"}, {"id": "x3"}])",
         {{"x1", "Alpha版"}, {"x2", "Alpha版"}, {"x3", ""}}},
        {"no blank after the colon", R"([{"id":"1.8","type":"release"}])", {}},
        {"empty", "", {}},
        {"unterminated id", R"(x"id": "1.8)", {{"1.8", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int pumped = 0;
        EXPECT_EQ(market::scanCatalogue(c.text, [&] { ++pumped; }), c.expected);
        EXPECT_EQ(pumped, static_cast<int>(c.expected.size()));
    }
}

TEST(CatalogueScan, SkipsIdsThatCannotNameAFolder) {
    const std::string hostile =
        R"([{"id": "../../evil", "type": "release"}, {"id": "a/b", "type": "release"}, )"
        R"({"id": "a\\b", "type": "release"}, {"id": "C:x", "type": "release"}, )"
        R"({"id": "..", "type": "release"}, {"id": "/etc", "type": "release"}, )"
        R"({"id": "bell)"
        "\x07"
        R"(", "type": "release"}, {"id": "", "type": "release"}, {"id": "1.8", "type": "release"}])";
    EXPECT_EQ(market::scanCatalogue(hostile), (Entries{{"1.8", "正式版"}}));
}

TEST(CatalogueLine, RoundTripsThroughTheDetailLabels) {
    const std::string line = market::catalogueLine({"14w02a", "快照版"});
    EXPECT_EQ(line, "版本名称：14w02a 版本类型：快照版");
    market::CatalogueDetails details = market::detailsOfLine(line);
    EXPECT_EQ(details.name, "版本名称：14w02a");
    EXPECT_EQ(details.type, "版本类型：快照版");
}

TEST(CatalogueLoad, ListsTheMirrorsCatalogueOrSaysWhyItIsEmpty) {
    testing_support::SystemHttpClient http;
    LoopbackHttpServer served(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(200, kOneLine)));
    LoopbackHttpServer missing(
        LoopbackHttpServer::replyWith(LoopbackHttpServer::response(404, "no")));
    ServiceHosts hosts;

    hosts.mirror = served.baseUrl();
    market::Catalogue loaded = market::fetchCatalogue(http, hosts);
    EXPECT_EQ(loaded.entries.size(), 4u);
    EXPECT_TRUE(loaded.failure.empty());
    EXPECT_EQ(LoopbackHttpServer::pathOf(served.requests().at(0)), "/versions/versions.json");

    hosts.mirror = missing.baseUrl();
    market::Catalogue notFound = market::fetchCatalogue(http, hosts);
    EXPECT_TRUE(notFound.entries.empty());
    EXPECT_NE(notFound.failure.find("HTTP 404"), std::string::npos);

    hosts.mirror = "http://127.0.0.1:" + std::to_string(testing_support::unusedLoopbackPort());
    market::Catalogue refused = market::fetchCatalogue(http, hosts);
    EXPECT_TRUE(refused.entries.empty());
    EXPECT_NE(refused.failure.find("无法获取版本列表"), std::string::npos);
}

}  // namespace
