#include "ScriptedDialogs.h"

#include <utility>

namespace testing_support {

platform::DialogAnswer ScriptedDialogs::messageBox(const std::string& text,
                                                   const std::string& title,
                                                   platform::MessageIcon icon,
                                                   platform::MessageButtons buttons) {
    if (auto step = std::exchange(whileShown, nullptr)) step();
    shown.push_back({"message", text, title, icon, buttons});
    if (!messageAnswers.empty()) {
        platform::DialogAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return buttons == platform::MessageButtons::YesNo ? platform::DialogAnswer::No
                                                      : platform::DialogAnswer::Ok;
}

std::optional<std::string> ScriptedDialogs::inputBox(const std::string& prompt,
                                                     const std::string& title, const std::string&) {
    shown.push_back({"input", prompt, title});
    if (inputAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::string ScriptedDialogs::fileDialog(const platform::FileDialogRequest& request) {
    shown.push_back({"file", request.title, request.title});
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return {};
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedDialogs::messageTexts() const {
    std::vector<std::string> texts;
    for (const Shown& s : shown) {
        if (s.kind == "message") texts.push_back(s.text);
    }
    return texts;
}

}  // namespace testing_support
