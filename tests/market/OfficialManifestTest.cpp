#include "market/OfficialManifest.h"

#include <gtest/gtest.h>

namespace {

using market::ManifestEntry;

const std::string kSha = "8a6f5c8b1f1e3e6a3fd4b8c1a2bde2a17e6a7a11";

// One entry in the manifest's own shape (one line, ": " separators).
std::string entryText(const std::string& id, const std::string& url, const std::string& sha1) {
    return "{\"id\": \"" + id + "\", \"type\": \"release\", \"url\": \"" + url +
           "\", \"time\": \"2015-12-03T09:24:39+00:00\", \"releaseTime\": "
           "\"2015-12-03T09:24:39+00:00\", \"sha1\": \"" +
           sha1 + "\", \"complianceLevel\": 0}";
}

std::string manifestOf(const std::vector<std::string>& entries) {
    std::string text =
        "{\"latest\": {\"release\": \"1.8.9\", \"snapshot\": \"1.8.9\"}, \"versions\": [";
    for (size_t i = 0; i < entries.size(); ++i)
        text += (i ? ", " : "") + entries[i];
    return text + "]}";
}

TEST(OfficialManifest, KeepsEachEntryWithItsAddressAndChecksumInOrder) {
    const std::string url = "https://piston-meta.test/v1/packages/" + kSha + "/1.8.9.json";
    auto manifest = market::readManifest(manifestOf(
        {entryText("1.8.9", url, kSha),
         "{\"id\": \"a1.0.4\", \"type\": \"old_alpha\", \"url\": \"http://h/a1.0.4.json\"}"}));
    ASSERT_TRUE(manifest) << manifest.reason();
    EXPECT_EQ(manifest->entries,
              (std::vector<ManifestEntry>{{"1.8.9", "release", url, kSha},
                                          {"a1.0.4", "old_alpha", "http://h/a1.0.4.json", ""}}));
    EXPECT_EQ(manifest->refused, 0u);
}

TEST(OfficialManifest, RefusesEntriesThatCannotBeInstalledSafely) {
    struct Case {
        const char* what;
        std::string entry;
    };
    const std::vector<Case> cases = {
        {"id climbing out", entryText("../evil", "https://h/p/../evil.json", kSha)},
        {"id with a separator", entryText("a/b", "https://h/a/b.json", kSha)},
        {"url naming another file", entryText("1.8.9", "https://h/p/other.json", kSha)},
        {"url ending in ..", entryText("1.8.9", "https://h/1.8.9.json/..", kSha)},
        {"no web address", entryText("1.8.9", "file:///etc/1.8.9.json", kSha)},
        {"short checksum", entryText("1.8.9", "https://h/1.8.9.json", "abc")},
        {"checksum not hex", entryText("1.8.9", "https://h/1.8.9.json", std::string(40, 'z'))},
    };
    for (const Case& c : cases) {
        auto manifest = market::readManifest(
            manifestOf({c.entry, entryText("1.7.10", "https://h/1.7.10.json", kSha)}));
        ASSERT_TRUE(manifest) << c.what;
        ASSERT_EQ(manifest->entries.size(), 1u) << c.what;
        EXPECT_EQ(manifest->entries[0].id, "1.7.10") << c.what;
        EXPECT_EQ(manifest->refused, 1u) << c.what;
        EXPECT_FALSE(manifest->firstRefusal.empty()) << c.what;
    }
}

TEST(OfficialManifest, FailsWithAReasonOnDocumentsOfAnotherShape) {
    for (const char* text : {"", "[1, 2]", "{\"versions\": {}}", "{\"latest\": {}}",
                             "{\"versions\": [", "<html>404</html>"}) {
        auto manifest = market::readManifest(text);
        EXPECT_FALSE(manifest) << text;
        EXPECT_FALSE(manifest.reason().empty()) << text;
    }
}

TEST(OfficialManifest, ChecksumsAreKeptInLowerCase) {
    auto manifest = market::readManifest(manifestOf(
        {entryText("1.8.9", "https://h/1.8.9.json", "8A6F5C8B1F1E3E6A3FD4B8C1A2BDE2A17E6A7A11")}));
    ASSERT_TRUE(manifest);
    ASSERT_EQ(manifest->entries.size(), 1u);
    EXPECT_EQ(manifest->entries[0].sha1, kSha);
}

}  // namespace
