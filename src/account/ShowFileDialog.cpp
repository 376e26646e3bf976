#include "account/ShowFileDialog.h"

#include "context/AppTitle.h"
#include "context/LauncherContext.h"

namespace {

size_t characterCount(const std::string& utf8) {
    size_t count = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

std::string ShowFileDialog(platform::Dialogs& dialogs, platform::Clock& clock,
                           platform::FileDialogRequest request) {
    constexpr size_t kFileNameCapacity = 260;
    if (characterCount(request.initialFileName) > kFileNameCapacity) {
        dialogs.messageBox("Filename Length Overflow",
                           std::string(kAppTitle) + " - FileDialog Function",
                           platform::MessageIcon::Warning, platform::MessageButtons::Ok);
        return {};
    }
    int64_t shownAt = clock.tickMs();
    std::string path = dialogs.fileDialog(request);
    if (clock.tickMs() - shownAt < 20) {
        request.initialFileName.clear();
        path = dialogs.fileDialog(request);
    }
    return path;
}
