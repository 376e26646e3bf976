#include "market/ModDownload.h"

#include <filesystem>
#include <system_error>

#include "download/DownloadUrl.h"

namespace market {

platform::Result<QueueEntry> modDownloadTask(const GameFolders& folders, const std::string& url) {
    std::error_code ec;
    if (!std::filesystem::exists(platform::fromUtf8Path(folders.mods()), ec))
        return platform::Failure{kModsFolderMissing};
    if (!download::parseHttpUrl(url))
        return platform::Failure{"Mod的下载地址不是有效的 http:// 地址，没有加入下载列表：" + url};
    return QueueEntry{url, folders.mods(), std::nullopt, true};
}

std::string errorReportText(const std::exception& error) {
    // Errors of the system carry their number; any other error reports 0.
    int code = 0;
    if (const auto* systemError = dynamic_cast<const std::system_error*>(&error))
        code = systemError->code().value();
    return "错误代码：" + std::to_string(code) + " 出错原因：" + error.what() +
           "\r\n请将以上信息反馈给Vendrolupa的开发者，谢谢！";
}

}  // namespace market
