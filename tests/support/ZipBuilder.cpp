#include "ZipBuilder.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>

namespace testing_support {

namespace {

bool addEntry(zip_t* archive, const ZipSample& entry) {
    constexpr zip_flags_t flags = ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE;
    if (!entry.name.empty() && entry.name.back() == '/')
        return zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_UTF_8) >= 0;
    zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
    if (!source) return false;
    zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, flags);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    zip_int32_t method = entry.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    return zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), method, 0) == 0;
}

}  // namespace

std::string writeZip(const std::string& path, const std::vector<ZipSample>& entries) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        ADD_FAILURE() << "cannot create " << path << ": libzip error " << code;
        return "";
    }
    for (const ZipSample& entry : entries) {
        if (!addEntry(archive, entry)) {
            ADD_FAILURE() << "cannot add " << entry.name << ": " << zip_strerror(archive);
            zip_discard(archive);
            return "";
        }
    }
    // The buffers are read here, while `entries` is still alive.
    if (zip_close(archive) != 0) {
        ADD_FAILURE() << "cannot write " << path << ": " << zip_strerror(archive);
        zip_discard(archive);
        return "";
    }
    return path;
}

}  // namespace testing_support
