#include "market/NativeInstaller.h"

#include "download/DownloadTask.h"

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

InstallPlan nativeInstallPlan(const std::string& nativeFolder,
                              const std::vector<std::string>& names, const ServiceHosts& hosts,
                              platform::PathStyle style) {
    const std::string folder = download::withoutTrailingSeparator(nativeFolder);
    InstallPlan plan;
    for (const std::string& name : missingNatives(nativeFolder, names, style))
        plan.push_back({folder, {hosts.files + "/" + name, nativeFolder}});
    return plan;
}

QueueOutcome QueueMissingNatives(InstallPipeline& pipeline, const std::string& nativeFolder,
                                 const DownloadSource& source) {
    const GameFolders& folders = pipeline.folders();
    platform::Result<InstallPlan> plan =
        source.nativePlan(nativeFolder, NativeLibraryNames(folders.style()), folders);
    if (!plan) {
        pipeline.showMessage("无法下载本地库：" + plan.reason());
        return {};
    }
    QueueOutcome queued = QueuePlan(pipeline, plan.value());
    showSkipped(pipeline, queued);
    return queued;
}

void fillNativeFolder(InstallPipeline& pipeline, const std::string& nativeFolder,
                      const DownloadSource& source) {
    const GameFolders& folders = pipeline.folders();
    platform::Result<void> filled =
        source.fillNativeFolder(nativeFolder, NativeLibraryNames(folders.style()), folders);
    if (!filled) pipeline.showMessage("本地库没有装好：" + filled.reason());
}

}  // namespace market
