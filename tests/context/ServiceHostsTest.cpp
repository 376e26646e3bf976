#include "context/ServiceHosts.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"

using testing_support::TempFolder;

TEST(ServiceHosts, LinesReplaceTheirHostAndNothingElse) {
    TempFolder folder("服务 hosts");
    std::string path =
        folder.write("services.ini", platform::toCodePage("mirror = http://127.0.0.1:8080/\r\n"
                                                          "auth=http://127.0.0.1:9/auth//\r\n"
                                                          "files=\r\n"
                                                          "unknown=http://x\r\n"
                                                          "official http://no-equals\r\n"
                                                          "update=http://更新.test\n"));
    ServiceHosts hosts = loadServiceHosts(path);
    ServiceHosts defaults;
    EXPECT_EQ(hosts.mirror, "http://127.0.0.1:8080");
    EXPECT_EQ(hosts.auth, "http://127.0.0.1:9/auth");
    EXPECT_EQ(hosts.files, defaults.files);  // an empty value keeps the default
    EXPECT_EQ(hosts.official, defaults.official);
    EXPECT_EQ(hosts.update, "http://更新.test");
}

TEST(ServiceHosts, AMissingFileKeepsEveryDefault) {
    TempFolder folder;
    ServiceHosts hosts = loadServiceHosts(folder.path() + "/services.ini");
    ServiceHosts defaults;
    EXPECT_EQ(hosts.mirror, defaults.mirror);
    EXPECT_EQ(hosts.official, defaults.official);
    EXPECT_EQ(hosts.files, defaults.files);
    EXPECT_EQ(hosts.update, defaults.update);
    EXPECT_EQ(hosts.auth, defaults.auth);
}

TEST(ServiceHosts, TheSourceLineChoosesOnlyAKnownSource) {
    struct Case {
        const char* line;
        DownloadSourceKind source;
    };
    const std::vector<Case> cases = {
        {"source=mirror", DownloadSourceKind::Mirror},
        {" source = mirror ", DownloadSourceKind::Mirror},
        {"source=official", DownloadSourceKind::Official},
        {"source=Mirror", DownloadSourceKind::Official},  // names are exact
        {"source=", DownloadSourceKind::Official},
        {"source=mirror/", DownloadSourceKind::Official},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::string path = folder.write("services.ini", std::string(c.line) + "\r\n");
        EXPECT_EQ(loadServiceHosts(path).source, c.source) << c.line;
    }
}

TEST(ServiceHosts, OfficialDocumentHostsAreOverriddenLikeTheOthers) {
    TempFolder folder;
    std::string path = folder.write("services.ini",
                                    "manifest=https://127.0.0.1:4/mc/manifest.json\r\n"
                                    "libraries=https://127.0.0.1:4/libs/\r\n"
                                    "resources=https://127.0.0.1:4\r\n");
    ServiceHosts hosts = loadServiceHosts(path);
    EXPECT_EQ(hosts.manifest, "https://127.0.0.1:4/mc/manifest.json");
    EXPECT_EQ(hosts.libraries, "https://127.0.0.1:4/libs");
    EXPECT_EQ(hosts.resources, "https://127.0.0.1:4");
}

TEST(ServiceHosts, SavingTheSourceKeepsEveryOtherLine) {
    struct Case {
        std::string before;
        DownloadSourceKind source;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"", DownloadSourceKind::Mirror, "source=mirror\r\n"},
        {"mirror=http://镜像.test\r\n# 注释\r\n", DownloadSourceKind::Official,
         "mirror=http://镜像.test\r\n# 注释\r\nsource=official\r\n"},
        {"source=official\r\nfiles=http://f\r\n source = official\r\n", DownloadSourceKind::Mirror,
         "source=mirror\r\nfiles=http://f\r\nsource=mirror\r\n"},
    };
    for (const Case& c : cases) {
        TempFolder folder("服务");
        std::string path = folder.file("services.ini");
        if (!c.before.empty()) folder.write("services.ini", platform::toCodePage(c.before));
        ASSERT_TRUE(saveDownloadSource(path, c.source)) << c.before;
        EXPECT_EQ(platform::fromCodePage(testing_support::readAll(path)), c.after);
        EXPECT_EQ(loadServiceHosts(path).source, c.source);
    }
}

TEST(ServiceHosts, SavingIntoAFolderThatCannotHoldTheFileSaysWhy) {
    TempFolder folder;
    folder.write("blocker", "a file where the data folder should be");
    auto saved =
        saveDownloadSource(folder.path() + "/blocker/services.ini", DownloadSourceKind::Mirror);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.reason().empty());
}

TEST(ServiceHosts, AuthorityFileIsTakenBesideServicesIniUnlessAbsolute) {
    TempFolder folder("证书 folder");
    std::string absolute = folder.file("elsewhere/ca.pem");
    const std::pair<std::string, std::string> cases[] = {
        {"cafile=test-ca.pem", folder.path() + "/test-ca.pem"},
        {"cafile = 证书/ca.pem", folder.path() + "/证书/ca.pem"},
        {"cafile=" + absolute, absolute},
        {"cafile=", ""},
    };
    for (const auto& [line, expected] : cases) {
        std::string path = folder.write("services.ini", platform::toCodePage(line + "\r\n"));
        // Compared as paths: Windows joins with "\\" what the test writes with "/".
        EXPECT_EQ(platform::fromUtf8Path(loadServiceHosts(path).cafile).make_preferred(),
                  platform::fromUtf8Path(expected).make_preferred())
            << line;
    }
}
