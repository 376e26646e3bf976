#include <gtest/gtest.h>

#include "DownloadQueue.h"
#include "LoopbackMirror.h"
#include "NginxServer.h"
#include "XGTDLHarness.h"
#include "download/DownloadTask.h"

using testing_support::ControlHarness;
using testing_support::NginxServer;
using testing_support::TempFolder;

namespace {

// Files of assorted sizes under `root`/files, by name.
std::map<std::string, std::string> writeFiles(const TempFolder& root, int count) {
    std::map<std::string, std::string> files;
    const size_t sizes[] = {0, 1, 1023, 65536, 65537, 300000, 2 * 1024 * 1024 + 7};
    for (int i = 0; i < count; ++i) {
        std::string name = "f" + std::to_string(i) + ".jar";
        files[name] = testing_support::patternBytes(sizes[i % 7], unsigned(i));
        root.write("files/" + name, files[name]);
    }
    return files;
}

}  // namespace

TEST(XGTDLNginx, QueueStartsEachNextDownloadFromInsideTheEndEvent) {
    if (!NginxServer::available()) GTEST_SKIP() << "nginx is not installed";
    TempFolder root("www");
    auto files = writeFiles(root, 21);
    root.write("files/target.bin", "reached through a redirect");
    NginxServer nginx({root.path(), {{"/moved/old.bin", "/files/target.bin"}}, ""});
    ASSERT_TRUE(nginx.running()) << nginx.errorLog();

    ControlHarness h;
    testing_support::DownloadQueue queue([&](const testing_support::DownloadTask& task) {
        h.control.下载文件(task.url, task.destination);
    });
    auto advance = [&] { queue.advance(); };
    h.control.下载完毕 = [&] { h.events.push_back("done"), advance(); };
    h.control.下载错误 = [&] { h.events.push_back("error"), advance(); };
    std::string base = nginx.baseUrl();
    std::replace(base.begin(), base.end(), '/', '\\');  // hosts may write "\"
    for (const auto& [name, bytes] : files)
        queue.add(download::makeDownloadTask(base + "\\files\\" + name, h.folder.path() + "\\"));
    queue.add(download::makeDownloadTask(nginx.baseUrl() + "/files/missing.jar", h.folder.path()));
    queue.add(download::makeDownloadTask(nginx.baseUrl() + "/moved/old.bin", h.folder.path()));

    ASSERT_TRUE(testing_support::spinUntil([&] { return queue.empty(); }, 30000))
        << h.events.size() << " ended";
    EXPECT_EQ(std::count(h.events.begin(), h.events.end(), "done"), 22);
    EXPECT_EQ(std::count(h.events.begin(), h.events.end(), "error"), 1);
    for (const auto& [name, bytes] : files)
        EXPECT_EQ(h.file(name), bytes) << name;
    EXPECT_EQ(h.file("old.bin"), "reached through a redirect");
    EXPECT_EQ(h.files().size(), files.size() + 1);  // no temporary file left
}

TEST(XGTDLMirror, ServesEveryPathOfTheDownloadServers) {
    TempFolder root("mirror");
    const std::vector<std::string> paths = {"/versions/versions.json",
                                            "/versions/1.8/1.8.jar",
                                            "/libraries/org/lwjgl/lwjgl/2.9/lwjgl-2.9.jar",
                                            "/assets/ab/ab12",
                                            "/indexes/1.8.json",
                                            "/resources/sounds/x.ogg",
                                            "/Minecraft.Download/versions/1.8/1.8.json",
                                            "/Minecraft.Download/indexes/legacy.json",
                                            "/lwjgl64.dll"};
    for (size_t i = 0; i < paths.size(); ++i)
        root.write(paths[i].substr(1), testing_support::patternBytes(1000 + i, unsigned(i)));
    testing_support::LoopbackMirror mirror(root.path());
    ControlHarness h;
    for (size_t i = 0; i < paths.size(); ++i) {
        ASSERT_EQ(h.download(mirror.baseUrl() + paths[i]), "done") << paths[i];
        std::string name = paths[i].substr(paths[i].rfind('/') + 1);
        EXPECT_EQ(h.file(name), testing_support::patternBytes(1000 + i, unsigned(i))) << name;
    }
    EXPECT_EQ(h.download(mirror.baseUrl() + "/versions/none.jar"), "error");
    EXPECT_EQ(h.download(mirror.baseUrl() + "/../etc/passwd"), "error");
    EXPECT_EQ(mirror.requestedPaths().size(), paths.size() + 2);
}
