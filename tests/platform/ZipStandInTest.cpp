#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/Zip.h"

using testing_support::TempFolder;

// This build has no zip library: reading must fail with a reason, never pretend success.
TEST(ZipStandIn, ReadAndExtractFailNamingTheArchive) {
    TempFolder folder;
    std::string archive = folder.write("natives.jar", "PK\x03\x04 not examined");
    platform::Result<std::vector<platform::ZipEntry>> read = platform::readZip(archive);
    ASSERT_FALSE(read);
    EXPECT_NE(read.reason().find(archive), std::string::npos) << read.reason();
    platform::Result<std::vector<std::string>> extracted =
        platform::extractZip(archive, folder.file("out"), [](const std::string&) { return true; });
    ASSERT_FALSE(extracted);
    EXPECT_NE(extracted.reason().find(archive), std::string::npos) << extracted.reason();
    EXPECT_FALSE(testing_support::exists(folder.file("out")));
}
