#include "platform/UnattendedDialogs.h"

namespace platform {

DialogAnswer UnattendedDialogs::messageBox(const std::string& text, const std::string& title,
                                           MessageIcon, MessageButtons buttons) {
    const bool yes = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
    log.write("无人值守的对话框「" + title + "」：" + text + "（回答：" + (yes ? "是" : "确定") +
              "）");
    return yes ? DialogAnswer::Yes : DialogAnswer::Ok;
}

std::optional<std::string> UnattendedDialogs::inputBox(const std::string& prompt,
                                                       const std::string& title,
                                                       const std::string&) {
    log.write("无人值守的输入框「" + title + "」：" + prompt + "（取消）");
    return std::nullopt;
}

std::string UnattendedDialogs::fileDialog(const FileDialogRequest& request) {
    log.write("无人值守的文件对话框「" + request.title + "」（取消）");
    return "";
}

}  // namespace platform
