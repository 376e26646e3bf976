#include "market/NativeInstaller.h"

#include "platform/FileList.h"

namespace market {

const std::vector<std::string>& NativeLibraryNames(platform::PathStyle style) {
    static const std::vector<std::string> kWindows = {
        "avutil-ttv-51.dll",  "jinput-dx8.dll",    "jinput-raw.dll",    "jinput-wintab.dll",
        "libmp3lame-ttv.dll", "lwjgl.dll",         "OpenAL32.dll",      "swresample-ttv-0.dll",
        "twitchsdk.dll",      "jinput-dx8_64.dll", "jinput-raw_64.dll", "lwjgl64.dll",
        "OpenAL64.dll",
    };
    // The same libraries built for Linux, 32-bit before 64-bit and JInput, LWJGL, OpenAL within
    // each width as in the Windows table; the streaming libraries have no Linux build.
    static const std::vector<std::string> kLinux = {
        "libjinput-linux.so",   "liblwjgl.so",   "libopenal.so",
        "libjinput-linux64.so", "liblwjgl64.so", "libopenal64.so",
    };
    return style == platform::PathStyle::windows() ? kWindows : kLinux;
}

InstallPlan NativePlan(const std::string& nativeFolder, const std::vector<std::string>& names,
                       const ServiceHosts& hosts) {
    std::string folder = nativeFolder;
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    InstallPlan plan;
    for (const std::string& name : names) {
        if (platform::isExistingFile(folder + "/" + name)) continue;
        plan.push_back({folder, {hosts.files + "/" + name, nativeFolder}});
    }
    return plan;
}

QueueOutcome QueueMissingNatives(InstallPipeline& pipeline, const std::string& nativeFolder,
                                 const ServiceHosts& hosts) {
    QueueOutcome queued = QueuePlan(
        pipeline, NativePlan(nativeFolder, NativeLibraryNames(pipeline.folders().style()), hosts));
    ShowSkipped(pipeline, queued);
    return queued;
}

}  // namespace market
