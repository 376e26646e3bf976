#include "account/RegistryValueText.h"

#include <array>
#include <utility>

#include "context/AppTitle.h"
#include "platform/AsciiText.h"

using platform::RegistryRoot;

RegistryRoot RootKeyFromName(const std::string& name) {
    static const std::array<std::pair<const char*, RegistryRoot>, 7> roots{{
        {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot},
        {"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
        {"HKEY_LOCAL_MACHINE", RegistryRoot::LocalMachine},
        {"HKEY_USERS", RegistryRoot::Users},
        {"HKEY_PERFORMANCE_DATA", RegistryRoot::PerformanceData},
        {"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig},
        {"HKEY_DYN_DATA", RegistryRoot::DynData},
    }};
    for (const auto& [rootName, root] : roots) {
        if (name == rootName) return root;
    }
    return RegistryRoot::None;
}

RegistryRoot SplitKeyPath(platform::Dialogs& dialogs, std::string& keyPath) {
    if (keyPath.rfind("HKEY_", 0) != 0 || keyPath.ends_with('\\')) {
        dialogs.messageBox("Incorrect Format:\n\n" + keyPath, kAppTitle,
                           platform::MessageIcon::None, platform::MessageButtons::Ok);
        return RegistryRoot::None;
    }
    size_t slash = keyPath.find('\\');
    std::string rootName = keyPath.substr(0, slash);
    keyPath = slash == std::string::npos ? std::string() : keyPath.substr(slash + 1);
    return RootKeyFromName(rootName);
}

std::string RegistryValueText(platform::Dialogs& dialogs, const std::string& keyPath,
                              const std::string& valueName) {
    std::string subKey = keyPath;
    RegistryRoot root = SplitKeyPath(dialogs, subKey);
    if (root == RegistryRoot::None) return {};
    constexpr size_t kValueCapacity = 255;
    std::optional<std::string> value =
        platform::readRegistryValue(root, subKey, valueName, kValueCapacity);
    if (!value) return "Error";
    return platform::trimmed(value->substr(0, value->find('\0')), " ");
}
