#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace testing_support {

// Dialogs that answer from a script and record everything shown. An unscripted message box
// answers Ok (or No for Yes/No boxes); an unscripted input box is cancelled.
class ScriptedDialogs final : public platform::Dialogs {
  public:
    struct Shown {
        std::string kind;  // "message", "input" or "file"
        std::string text;
        std::string title;
        platform::MessageIcon icon = platform::MessageIcon::None;
        platform::MessageButtons buttons = platform::MessageButtons::Ok;
    };

    std::deque<platform::DialogAnswer> messageAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::string> fileAnswers;
    std::vector<Shown> shown;
    std::vector<platform::FileDialogRequest> fileRequests;
    // Run once by the next message box before it is shown, as other events run in the nested
    // loop of a real modal box.
    std::function<void()> whileShown;

    platform::DialogAnswer messageBox(const std::string& text, const std::string& title,
                                      platform::MessageIcon icon,
                                      platform::MessageButtons buttons) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string fileDialog(const platform::FileDialogRequest& request) override;

    // The texts of all message boxes shown, in order.
    std::vector<std::string> messageTexts() const;
};

}  // namespace testing_support
