#include <zip.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Zip.h"

namespace platform {

namespace {

Failure cannotRead(const std::string& path, const std::string& why) {
    return Failure{"无法读取压缩包“" + path + "”：" + why};
}

std::string libzipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string message = zip_error_strerror(&error);
    zip_error_fini(&error);
    return message;
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using OpenEntry = std::unique_ptr<zip_file_t, EntryCloser>;

// The entry's content; libzip checks the CRC when the last byte has been read, so a damaged
// entry fails here rather than yielding wrong bytes.
Result<std::string> readEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t size) {
    OpenEntry entry(zip_fopen_index(archive, index, 0));
    if (!entry) return Failure{zip_strerror(archive)};
    std::string bytes(static_cast<size_t>(size), '\0');
    zip_uint64_t filled = 0;
    while (filled < size) {
        zip_int64_t got = zip_fread(entry.get(), bytes.data() + filled, size - filled);
        if (got < 0) return Failure{zip_file_strerror(entry.get())};
        if (got == 0) return Failure{"内容比记录的短"};
        filled += static_cast<zip_uint64_t>(got);
    }
    char extra;
    zip_int64_t more = zip_fread(entry.get(), &extra, 1);
    if (more < 0) return Failure{zip_file_strerror(entry.get())};
    if (more > 0) return Failure{"内容比记录的长"};
    return bytes;
}

}  // namespace

Result<std::vector<ZipEntry>> readZip(const std::string& path, std::uint64_t limit) {
    int code = 0;
    Archive archive(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive) return cannotRead(path, libzipMessage(code));
    zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    std::vector<ZipEntry> entries;
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_uint64_t index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0)
            return cannotRead(path, zip_strerror(archive.get()));
        std::string name = stat.name ? stat.name : "";
        if (!name.empty() && name.back() == '/') continue;
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            return cannotRead(path, "条目“" + name + "”已加密");
        if (stat.size > limit - total)
            return cannotRead(path, "解压后的内容超过 " + std::to_string(limit) + " 字节");
        Result<std::string> bytes = readEntry(archive.get(), index, stat.size);
        if (!bytes) return cannotRead(path, "条目“" + name + "”：" + bytes.reason());
        total += stat.size;
        entries.push_back({std::move(name), std::move(bytes).value()});
    }
    return entries;
}

}  // namespace platform
