#include "account/Proposals.h"

#include "account/RegistryValueText.h"
#include "account/TextBetween.h"

std::string javaPathFromOpenCommand(const std::string& command) {
    constexpr int kFound = -1;
    int status = kFound;
    std::string path = TextBetween(command, "\"", "\"", 0, 0, 1, status);
    // The cutter's failure codes are texts ("0", "1", "2"), never a path to show.
    return status == kFound ? path : std::string();
}

std::string proposedJavaPath(platform::Dialogs& dialogs) {
    return javaPathFromOpenCommand(RegistryValueText(dialogs, kJarOpenCommandKey, ""));
}
