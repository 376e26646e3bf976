#pragma once
#include "platform/Dialogs.h"
#include "platform/Log.h"

namespace platform {

// Dialogs for a launcher that nobody watches (VENDROLUPA_ANSWER_YES, used by the end-to-end
// tests of the whole executable): nothing is shown, every message box is answered Yes when it
// offers Yes and OK otherwise, input and file dialogs are cancelled, and each question goes to
// the log so that a run can be followed afterwards.
class UnattendedDialogs final : public Dialogs {
  public:
    DialogAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string fileDialog(const FileDialogRequest& request) override;

    // Where the questions are written; pointed at the launcher's log once it is known.
    Log log;
};

}  // namespace platform
