#include "download/VersionFolderName.h"

#include <gtest/gtest.h>

#include "market/Catalogue.h"
#include "market/VersionInstaller.h"
#include "startup/MigrateOldLayout.h"

namespace {

// Every place that checks a version folder name: the name typed for the migration, the ids a
// catalogue lists, the chosen id and the download plan of the market.
struct Checker {
    const char* where;
    bool (*accepts)(const std::string& name);
};

const Checker kCheckers[] = {
    {"migration", [](const std::string& name) { return versionNameProblem(name).empty(); }},
    {"catalogue",
     [](const std::string& name) {
         const std::string text =
             "{\r\n\"versions\": [{\"id\": \"" + name + "\", \"type\": \"release\"}]";
         return !market::scanCatalogue(text, {}).empty();
     }},
    {"chosen id",
     [](const std::string& name) { return market::selectedVersionId({name}, 0).ok(); }},
    {"download plan",
     [](const std::string& name) {
         GameFolders folders("/l", platform::PathStyle::posix());
         return market::versionDownloadPlan(name, folders, ServiceHosts{}).ok();
     }},
};

TEST(VersionFolderName, EveryCheckDecidesTheSameWay) {
    struct Case {
        const char* name;
        bool usable;
    };
    const Case cases[] = {
        {"1.7.10", true},    {"旧版本 1", true}, {"1.8.9-demo", true}, {"CON", false},
        {"con.json", false}, {"COM1", false},    {"1.5.", false},      {"1.5 ", false},
        {"1..2", false},     {"..", false},      {"50%", false},       {"a/b", false},
        {"a\\b", false},     {"a:b", false},     {"tab\there", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(download::isVersionFolderName(c.name), c.usable) << c.name;
        for (const Checker& checker : kCheckers)
            EXPECT_EQ(checker.accepts(c.name), c.usable) << c.name << " / " << checker.where;
    }
}

TEST(VersionFolderName, TheRefusalNamesTheName) {
    for (const char* name : {"CON", "1..2", "50%"})
        EXPECT_NE(download::versionFolderNameProblem(name).find(name), std::string::npos);
}

}  // namespace
