// serverlist.ini and config.ini as the disk holds them, damaged or written by hand: read
// through the real files, the server list keeps what it read when written back.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FuzzCheck.h"
#include "servers/ServerList.h"
#include "startup/SettingsFile.h"

namespace {

const std::string& scratchFile() {
    static const std::string path = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vendrolupa-fuzz-ini-XXXXXX").string();
        int fd = mkstemp(pattern.data());
        FUZZ_CHECK(fd >= 0);
        close(fd);
        return pattern;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    servers::ServerList list = servers::loadServerList(scratchFile());
    FUZZ_CHECK(servers::parseServerList(servers::formatServerList(list)) == list);
    for (const servers::ServerEntry& entry : list) {
        FUZZ_CHECK(entry.address.find('|') == std::string::npos);
        servers::entryProblem(entry.name, entry.address);
        if (auto endpoint = servers::parseAddress(entry.address))
            FUZZ_CHECK(!endpoint->host.empty() && endpoint->port >= 1 && endpoint->port <= 65535);
    }

    SettingsFileRead settings = readSettingsFile(scratchFile());
    FUZZ_CHECK(settings.state == SettingsFileState::Read);
    return 0;
}
