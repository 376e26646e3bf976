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
