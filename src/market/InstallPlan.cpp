#include "market/InstallPlan.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/Paths.h"

namespace market {

platform::Result<void> ensureFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::path folder = platform::fromUtf8Path(path);
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder))
        return platform::Failure{"无法创建文件夹 " + path + "：" + error.message()};
    return {};
}

QueueOutcome QueuePlan(InstallPipeline& pipeline, const InstallPlan& plan) {
    QueueOutcome outcome;
    const bool wasEmpty = pipeline.empty();
    // Many tasks share a folder (objects by their first two digits): make each one once.
    std::optional<std::string> lastFolder;
    bool lastMade = false;
    for (const PlannedTask& planned : plan) {
        if (planned.folder != lastFolder) {
            lastFolder = planned.folder;
            platform::Result<void> made = ensureFolder(planned.folder);
            lastMade = made.ok();
            if (!made && outcome.failure.empty()) outcome.failure = made.reason();
        }
        if (!lastMade) {
            ++outcome.skipped;
            continue;
        }
        pipeline.append(planned.entry);
        ++outcome.added;
    }
    outcome.startHead = outcome.added > 0 && pipeline.startsAfterAppend(wasEmpty);
    return outcome;
}

void showSkipped(InstallPipeline& pipeline, const QueueOutcome& outcome) {
    if (outcome.skipped > 0)
        pipeline.showMessage(std::to_string(outcome.skipped) + " 个文件无法加入下载列表：" +
                             outcome.failure);
}

}  // namespace market
