// Any version JSON: every library task fills a folder inside the libraries folder, and no
// path element of it climbs out.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "market/LibraryInstaller.h"
#include "market/NetworkNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    static const GameFolders folders{"/l", platform::PathStyle::posix()};
    static const std::string root = folders.libraries() + "/";
    auto none = [](const std::string&) { return false; };
    for (const market::PlannedTask& planned :
         market::libraryInstallPlan(text, folders, ServiceHosts{}, none, none)) {
        if (planned.folder.rfind(root, 0) != 0) std::abort();
        if (!market::isSafeRelativeFolder(planned.folder.substr(root.size()), '/')) std::abort();
    }
    return 0;
}
