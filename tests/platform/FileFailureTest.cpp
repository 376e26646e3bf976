#include <gtest/gtest.h>

#include <functional>

#include "TempFolder.h"
#include "platform/FileFailure.h"
#include "platform/Sha1.h"
#include "platform/Sha256.h"
#include "platform/TextFile.h"

using testing_support::TempFolder;

namespace {

struct Reader {
    const char* name;
    std::function<platform::Failure(const std::string&)> read;
};

template <class T>
platform::Failure failureOf(const platform::Result<T>& result) {
    EXPECT_FALSE(result.ok());
    return result.failure();
}

const Reader kReaders[] = {
    {"bytes", [](const std::string& p) { return failureOf(platform::readFileBytes(p)); }},
    {"text", [](const std::string& p) { return failureOf(platform::readText(p)); }},
    {"lines", [](const std::string& p) { return failureOf(platform::readTextLines(p)); }},
    {"sha1", [](const std::string& p) { return failureOf(platform::sha1OfFile(p)); }},
    {"sha256", [](const std::string& p) { return failureOf(platform::sha256HexOfFile(p)); }},
};

}  // namespace

// Every reader tells a missing file from one that is there but cannot be read, and names the
// cause of the second.
TEST(FileFailure, MissingIsToldApartFromUnreadableWithItsCause) {
    TempFolder folder("读取 失败");
    struct Case {
        const char* what;
        std::string path;
        bool missing;
        const char* cause;
    };
    const std::string plainFile = folder.write("普通.txt", "x");
    const Case cases[] = {
        {"nothing there", folder.path() + "/没有.txt", true, "不存在"},
        {"a folder in its place", folder.makeFolder("config.ini"), false, "这是一个文件夹"},
#ifndef _WIN32  // Windows reports such a path as not found
        {"a file where a folder should be", plainFile + "/inner.txt", false, "不是文件夹"},
#endif
#ifdef __linux__
        // Opens, then every read fails: the cause comes from the read, not the open.
        {"a file that cannot be read", "/proc/self/mem", false, "磁盘读写出错"},
#endif
    };
    for (const Case& c : cases) {
        for (const Reader& reader : kReaders) {
            platform::Failure failure = reader.read(c.path);
            EXPECT_EQ(failure.missing, c.missing) << c.what << " / " << reader.name;
            EXPECT_NE(failure.reason.find(c.path), std::string::npos)
                << c.what << " / " << reader.name << ": " << failure.reason;
            EXPECT_NE(failure.reason.find(c.cause), std::string::npos)
                << c.what << " / " << reader.name << ": " << failure.reason;
        }
    }
}
