#include "account/ShowFileDialog.h"

#include "context/AppTitle.h"
#include "platform/Utf8.h"

std::string ShowFileDialog(platform::Dialogs& dialogs, platform::Clock& clock,
                           platform::FileDialogRequest request) {
    constexpr size_t kFileNameCapacity = 260;
    if (platform::utf8CharacterCount(request.initialFileName) > kFileNameCapacity) {
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
