#pragma once
#include "platform/Dialogs.h"

class QWidget;

namespace platform {

// Dialogs shown with QMessageBox, QInputDialog and QFileDialog.
class QtDialogs final : public Dialogs {
  public:
    DialogAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string fileDialog(const FileDialogRequest& request) override;
};

}  // namespace platform
