#include "market/SelfUpdate.h"

#include <filesystem>

#include "context/AppTitle.h"
#include "download/DownloadUrl.h"
#include "download/HttpGetText.h"
#include "download/TempFile.h"
#include "market/UpdateScript.h"
#include "platform/AsciiText.h"
#include "platform/ScriptFile.h"
#include "platform/Sha256.h"

namespace market {

namespace {

constexpr const char* kNotUpdated = "启动器没有更新。";

// Letters, digits, ".", "-" and "_": a name that the batch file's commands take literally.
bool isScriptSafeName(const std::string& name) {
    if (name.empty() || name.front() == '.') return false;
    for (unsigned char c : name)
        if (!std::isalnum(c) && c != '.' && c != '-' && c != '_') return false;
    return true;
}

}  // namespace

platform::Result<std::string> updateFileName(const std::string& url,
                                             const std::string& executableName,
                                             platform::PathStyle style) {
    if (!download::parseHttpUrl(url))
        return platform::Failure{"新版本的下载地址不是有效的 http:// 地址：" + url};
    std::string name = download::lastUrlElement(url);
    if (!isScriptSafeName(name))
        return platform::Failure{"新版本的文件名“" + name +
                                 "”不能使用：只能由字母、数字和 . - _ 组成，且不以 . 开头。"};
    if (executableName.empty()) return platform::Failure{"无法确定启动器自身的文件路径。"};
    const std::string lower = platform::lowerAscii(name);
    if (lower == platform::lowerAscii(executableName) ||
        lower == platform::lowerAscii(updateScriptName(style)))
        return platform::Failure{"新版本的文件名“" + name + "”与启动器自身的文件同名。"};
    return name;
}

SelfUpdate::SelfUpdate(LauncherContext& context, std::string executablePath)
    : context_(context), executablePath_(std::move(executablePath)) {}

std::string SelfUpdate::launcherPath(const std::string& name) const {
    return context_.launcherFolder() + context_.style().separator + name;
}

std::optional<QueueEntry> SelfUpdate::check(std::string_view ownVersion) {
    platform::Result<platform::HttpAnswer> page =
        download::HttpGetText(context_.http(), context_.services.update + "/");
    if (!page) return std::nullopt;
    std::optional<UpdateRecord> record = cutUpdateRecord(page->body);
    if (!record || !offersUpdate(*record, ownVersion)) return std::nullopt;
    platform::Dialogs& dialogs = context_.dialogs();
    if (dialogs.messageBox(updateQuestion(record->message), kUpdateQuestionTitle,
                           platform::MessageIcon::Question,
                           platform::MessageButtons::YesNo) != platform::DialogAnswer::Yes)
        return std::nullopt;
    std::string executableName =
        platform::toUtf8Path(platform::fromUtf8Path(executablePath_).filename());
    platform::Result<std::string> name =
        updateFileName(record->url, executableName, context_.style());
    std::string problem = name ? "" : name.reason();
    if (name && !record->sha256.empty() && !isSha256Hex(record->sha256))
        problem = "更新信息中的 SHA-256 校验值无效：" + record->sha256;
    if (!problem.empty()) {
        dialogs.messageBox(problem + kNotUpdated, kAppTitle, platform::MessageIcon::Warning,
                           platform::MessageButtons::Ok);
        return std::nullopt;
    }
    accepted_ = record;
    return QueueEntry{record->url, context_.launcherFolder(), std::nullopt, true};
}

bool SelfUpdate::finish() {
    if (!accepted_) return false;
    const std::string name = download::lastUrlElement(accepted_->url);
    const std::string downloaded = launcherPath(name);
    std::string problem;
    std::error_code ec;
    auto size = std::filesystem::file_size(platform::fromUtf8Path(downloaded), ec);
    if (ec || size == 0) {
        problem = "下载的新版本文件“" + downloaded + "”不存在或为空。";
    } else if (!accepted_->sha256.empty()) {
        const std::string expected = platform::lowerAscii(accepted_->sha256);
        std::optional<std::string> actual = platform::sha256HexOfFile(downloaded);
        if (actual != expected)
            problem = "下载的新版本文件校验失败：SHA-256 应为 " + expected + "，实际为 " +
                      actual.value_or("（无法读取）") + "。文件已删除。";
    }
    if (problem.empty()) {
        platform::Result<void> started = runScript(name);
        if (started) {
            context_.hooks.endProcess();
            return true;
        }
        problem = started.reason();
    }
    download::removeIfExists(downloaded);
    accepted_.reset();
    context_.dialogs().messageBox(problem + kNotUpdated, kAppTitle, platform::MessageIcon::Warning,
                                  platform::MessageButtons::Ok);
    return false;
}

platform::Result<void> SelfUpdate::runScript(const std::string& downloadedName) {
    const platform::PathStyle style = context_.style();
    const std::string script = launcherPath(updateScriptName(style));
    const std::filesystem::path exe = platform::fromUtf8Path(executablePath_);
    std::vector<std::string> lines =
        style == platform::PathStyle::windows()
            ? updateBatchLines(platform::toUtf8Path(exe.stem()), downloadedName)
            : updateShellLines(executablePath_, launcherPath(downloadedName),
                               context_.launcherFolder());
    if (platform::Result<> written = platform::writeScript(script, lines, style); !written)
        return platform::Failure{"无法写入更新脚本：" + written.reason()};
    platform::Result<> started =
        context_.processes().start(platform::scriptCommandLine(script, style),
                                   platform::WindowStyle::Hidden, context_.launcherFolder());
    if (started) return {};
    download::removeIfExists(script);
    return platform::Failure{"无法运行更新脚本：" + started.reason() + "。"};
}

}  // namespace market
