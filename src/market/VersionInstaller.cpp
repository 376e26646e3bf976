#include "market/VersionInstaller.h"

#include "market/NetworkNames.h"

namespace market {

namespace {

platform::Failure unusableId(const std::string& id) {
    return {"版本名“" + id + "”不能用作文件夹名，无法安装"};
}

}  // namespace

platform::Result<std::string> SelectedVersion(const std::vector<std::string>& ids, int selected) {
    if (selected < 0 || static_cast<size_t>(selected) >= ids.size())
        return platform::Failure{std::string(kChooseVersionFirst)};
    const std::string& id = ids[static_cast<size_t>(selected)];
    if (!isSafePathElement(id)) return unusableId(id);
    return id;
}

platform::Result<InstallPlan> VersionDownloadPlan(const std::string& id, const GameFolders& folders,
                                                  const ServiceHosts& hosts) {
    if (!isSafePathElement(id)) return unusableId(id);
    const std::string folder = folders.versionFolder(id);
    return InstallPlan{
        {folder, {hosts.mirror + "/versions/" + id + "/" + id + ".jar", folder}},
        {folder,
         {hosts.official + "/Minecraft.Download/versions/" + id + "/" + id + ".json", folder}},
    };
}

void AddVersionDownload(InstallPipeline& pipeline, const std::vector<std::string>& ids,
                        int selected, const ServiceHosts& hosts) {
    platform::Result<std::string> id = SelectedVersion(ids, selected);
    if (!id) {
        pipeline.showMessage(id.reason());
        return;
    }
    platform::Result<InstallPlan> plan = VersionDownloadPlan(id.value(), pipeline.folders(), hosts);
    if (!plan) {
        pipeline.showMessage(plan.reason());
        return;
    }
    QueueOutcome queued = QueuePlan(pipeline, plan.value());
    if (queued.startHead) pipeline.StartHeadTask();
    ShowSkipped(pipeline, queued);
}

}  // namespace market
