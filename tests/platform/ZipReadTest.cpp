#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "ZipBuilder.h"
#include "platform/Zip.h"

using testing_support::TempFolder;
using testing_support::ZipSample;

namespace {

const std::string kPayload = "payload that is easy to find in a stored entry";

// The archive's bytes with the first byte of `needle` changed (the CRC then disagrees).
std::string damaged(const std::string& bytes, const std::string& needle) {
    std::string copy = bytes;
    size_t at = copy.find(needle);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) copy[at] ^= 0x20;
    return copy;
}

std::map<std::string, std::string> filesUnder(const std::string& folder) {
    std::map<std::string, std::string> files;
    if (!std::filesystem::exists(folder)) return files;
    for (const auto& item : std::filesystem::recursive_directory_iterator(folder))
        if (item.is_regular_file())
            files[std::filesystem::relative(item.path(), folder).generic_string()] =
                testing_support::readAll(item.path().string());
    return files;
}

}  // namespace

TEST(ZipRead, FileEntriesComeBackWholeAndDamageIsReported) {
    TempFolder folder("压缩 包");
    const std::vector<ZipSample> good = {
        {"META-INF/", ""},
        {"META-INF/MANIFEST.MF", "Manifest-Version: 1.0\r\n"},
        {"lib/本地.so", std::string(70000, 'z') + "end"},
        {"stored.dll", kPayload, true},
        {"empty.txt", ""},
    };
    std::string goodPath = testing_support::writeZip(folder.file("good.jar"), good);
    std::string goodBytes = testing_support::readAll(goodPath);

    struct Case {
        std::string label;
        std::string bytes;  // the archive's content; "<none>" for a missing file
        std::uint64_t limit;
        std::string reasonPart;  // empty: the read succeeds with every file entry of `good`
    };
    const Case cases[] = {
        {"whole", goodBytes, platform::kZipReadLimit, ""},
        {"exactly at the limit", goodBytes, 70003 + 23 + kPayload.size(), ""},
        {"one byte over the limit", goodBytes, 70003 + 23 + kPayload.size() - 1, "超过"},
        {"missing", "<none>", platform::kZipReadLimit, "missing.jar"},
        {"empty file", "", platform::kZipReadLimit, "archive.jar"},
        {"not a zip", "<html>404</html>", platform::kZipReadLimit, "archive.jar"},
        {"cut in half", goodBytes.substr(0, goodBytes.size() / 2), platform::kZipReadLimit,
         "archive.jar"},
        {"central directory cut", goodBytes.substr(0, goodBytes.size() - 30),
         platform::kZipReadLimit, "archive.jar"},
        {"stored bytes damaged", damaged(goodBytes, kPayload), platform::kZipReadLimit,
         "stored.dll"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::string path =
            c.bytes == "<none>" ? folder.file("missing.jar") : folder.write("archive.jar", c.bytes);
        platform::Result<std::vector<platform::ZipEntry>> read = platform::readZip(path, c.limit);
        if (!c.reasonPart.empty()) {
            ASSERT_FALSE(read);
            EXPECT_NE(read.reason().find(c.reasonPart), std::string::npos) << read.reason();
            continue;
        }
        ASSERT_TRUE(read) << read.reason();
        std::vector<ZipSample> files(good.begin() + 1, good.end());
        ASSERT_EQ(read->size(), files.size());
        for (size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(read.value()[i].name, files[i].name);
            EXPECT_EQ(read.value()[i].bytes, files[i].bytes) << files[i].name;
        }
    }
}

TEST(ZipExtract, WritesWantedEntriesOnlyAndNothingWhenOneIsHostile) {
    auto nativesOnly = [](const std::string& name) { return !name.starts_with("META-INF/"); };
    struct Case {
        std::string label;
        std::vector<ZipSample> entries;
        std::map<std::string, std::string> expected;  // files under the folder afterwards
        std::string reasonPart;                       // empty: success
    };
    const Case cases[] = {
        {"natives with a signature",
         {{"META-INF/MOJANG.SF", "sig"}, {"liblwjgl.so", "L"}, {"sub/dir/libopenal.so", "O"}},
         {{"liblwjgl.so", "L"}, {"sub/dir/libopenal.so", "O"}},
         ""},
        {"hostile name that is not wanted",
         {{"META-INF/../../x", "x"}, {"a.so", "A"}},
         {{"a.so", "A"}},
         ""},
        {"parent climb", {{"ok.so", "1"}, {"../x", "x"}}, {}, "../x"},
        {"absolute", {{"ok.so", "1"}, {"/abs", "x"}}, {}, "/abs"},
        {"drive", {{"ok.so", "1"}, {"C:x", "x"}}, {}, "C:x"},
        {"backslash", {{"ok.so", "1"}, {"a\\b", "x"}}, {}, "a\\b"},
        {"a file where a folder must go", {{"lib", "f"}, {"lib/a.so", "x"}}, {{"lib", "f"}}, "lib"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder folder("解压");
        std::string archive = testing_support::writeZip(folder.file("n.jar"), c.entries);
        std::string target = folder.file("out/本地库");
        platform::Result<std::vector<std::string>> written =
            platform::extractZip(archive, target, nativesOnly);
        if (c.reasonPart.empty()) {
            ASSERT_TRUE(written) << written.reason();
            EXPECT_EQ(written->size(), c.expected.size());
            for (const std::string& path : written.value())
                EXPECT_TRUE(path.starts_with(target)) << path;
        } else {
            ASSERT_FALSE(written);
            EXPECT_NE(written.reason().find(c.reasonPart), std::string::npos) << written.reason();
        }
        EXPECT_EQ(filesUnder(target), c.expected);
        EXPECT_FALSE(testing_support::exists(folder.file("x")));
        EXPECT_FALSE(testing_support::exists(folder.file("out/x")));
    }
}

TEST(ZipExtract, ReplacesAnOlderFileWholly) {
    TempFolder folder;
    std::string target = folder.makeFolder("natives");
    folder.write("natives/liblwjgl.so", std::string(5000, 'o'));
    std::string archive = testing_support::writeZip(folder.file("n.jar"), {{"liblwjgl.so", "new"}});
    ASSERT_TRUE(platform::extractZip(archive, target, [](const std::string&) { return true; }));
    EXPECT_EQ(filesUnder(target), (std::map<std::string, std::string>{{"liblwjgl.so", "new"}}));
}
