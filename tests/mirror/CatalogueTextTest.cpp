#include "mirror/CatalogueText.h"

#include <gtest/gtest.h>

#include "market/Catalogue.h"

namespace {

TEST(CatalogueText, IsReadByTheLaunchersCatalogueScanInItsOrder) {
    std::vector<mirror::CatalogueEntry> entries = {
        {"1.12.2", "release", "2017-09-18T08:39:46+00:00", "2017-09-18T08:39:46+00:00"},
        {"17w43a", "snapshot", "", ""},
        {"1.7.10", "release", "", "2014-05-14T17:29:23+00:00"},
        {"b1.7.3", "old_beta", "", ""},
        {"a1.0.4", "old_alpha", "", ""},
    };
    std::string text = mirror::catalogueText(entries);
    std::vector<market::CatalogueEntry> expected = {
        {"1.12.2", "正式版"}, {"17w43a", "快照版"},  {"1.7.10", "正式版"},
        {"b1.7.3", "Beta版"}, {"a1.0.4", "Alpha版"},
    };
    EXPECT_EQ(market::scanCatalogue(text), expected);
    EXPECT_NE(
        text.find("\"latest\": {\n    \"release\": \"1.12.2\",\n    \"snapshot\": \"17w43a\""),
        std::string::npos)
        << text;
}

TEST(CatalogueText, AnEmptyTreeListsNothing) {
    EXPECT_TRUE(market::scanCatalogue(mirror::catalogueText({})).empty());
}

}  // namespace
