#include "market/VersionInstaller.h"

#include "download/VersionFolderName.h"

namespace market {

namespace {

platform::Failure unusableId(const std::string& id) {
    return {download::versionFolderNameProblem(id) + "无法安装。"};
}

}  // namespace

platform::Result<std::string> selectedVersionId(const std::vector<std::string>& ids, int selected) {
    if (selected < 0 || static_cast<size_t>(selected) >= ids.size())
        return platform::Failure{std::string(kChooseVersionFirst)};
    const std::string& id = ids[static_cast<size_t>(selected)];
    if (!download::isVersionFolderName(id)) return unusableId(id);
    return id;
}

platform::Result<InstallPlan> versionDownloadPlan(const std::string& id, const GameFolders& folders,
                                                  const ServiceHosts& hosts) {
    if (!download::isVersionFolderName(id)) return unusableId(id);
    const std::string folder = folders.versionFolder(id);
    return InstallPlan{
        {folder, {hosts.mirror + "/versions/" + id + "/" + id + ".jar", folder}},
        {folder,
         {hosts.official + "/Minecraft.Download/versions/" + id + "/" + id + ".json", folder}},
    };
}

void addVersionDownload(InstallPipeline& pipeline, platform::HttpClient& http,
                        const std::vector<std::string>& ids, int selected, DownloadSource& source) {
    platform::Result<std::string> id = selectedVersionId(ids, selected);
    if (!id) {
        pipeline.showMessage(id.reason());
        return;
    }
    platform::Result<InstallPlan> plan = source.versionPlan(http, id.value(), pipeline.folders());
    if (!plan) {
        pipeline.showMessage(plan.reason());
        return;
    }
    QueueOutcome queued = QueuePlan(pipeline, plan.value());
    if (queued.startHead) pipeline.StartHeadTask();
    showSkipped(pipeline, queued);
}

}  // namespace market
